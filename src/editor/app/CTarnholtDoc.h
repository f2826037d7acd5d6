#pragma once

#include <QObject>
#include <QString>

#include "world/Document.h"

namespace tarnholt {

class CMessageQuestions;

/// The editor's one document: the core Document (World, Universe, path, modified flag) and the
/// signals the windows listen to. Every change to the World is announced through `markChanged`,
/// which marks the document modified and has the map repainted.
class CTarnholtDoc : public QObject {
    Q_OBJECT

public:
    /// `questions` shows the document's messages; it must outlive the document.
    explicit CTarnholtDoc(CMessageQuestions& questions, QObject* parent = nullptr);

    World& getWorld() { return document_.world(); }
    Universe& getUniverse() { return document_.universe(); }
    Document& document() { return document_; }

    /// The message boxes of the document's windows (scripted in tests).
    CMessageQuestions& questions() { return questions_; }

    bool IsModified() const { return document_.isModified(); }
    void SetModifiedFlag(bool modified = true);

    /// The file path, empty while the document was never saved or opened.
    QString path() const;
    /// "Untitled", or the file name of the path.
    QString title() const;

    /// Marks the document modified and tells the views to repaint.
    void markChanged();
    /// Tells the views to repaint (colours changed, say); the modified flag stays as it is.
    void UpdateAllViews();

    /// A new default World and Universe; no path; not modified.
    bool OnNewDocument();
    /// Opens `path`. On failure the message is shown and the document stays exactly as it was.
    bool OnOpenDocument(const QString& path);
    /// Saves to `path` (which becomes the document's path). On failure the message is shown.
    bool OnSaveDocument(const QString& path);

signals:
    /// A new document was created or a file opened: the World is a different one.
    void documentReplaced();
    /// The World changed, or its drawing did: views repaint.
    void worldChanged();
    void modifiedChanged(bool modified);
    /// The path (and so the title) changed.
    void titleChanged(const QString& title);

private:
    Document document_;
    CMessageQuestions& questions_;
};

} // namespace tarnholt
