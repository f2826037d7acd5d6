#include "app/CTarnholtDoc.h"

#include "app/CMessageQuestions.h"
#include "app/CText.h"
#include "world/Files.h"

namespace tarnholt {

CTarnholtDoc::CTarnholtDoc(CMessageQuestions& questions, QObject* parent) : QObject(parent), questions_(questions) {}

void CTarnholtDoc::SetModifiedFlag(bool modified)
{
    bool was = document_.isModified();
    document_.setModified(modified);
    if (was != modified)
        emit modifiedChanged(modified);
}

QString CTarnholtDoc::path() const
{
    return CText::fromPath(document_.path());
}

QString CTarnholtDoc::title() const
{
    if (document_.path().empty())
        return QStringLiteral("Untitled");
    return CText::fromPath(fileNameOf(document_.path()));
}

void CTarnholtDoc::markChanged()
{
    SetModifiedFlag(true);
    emit worldChanged();
}

void CTarnholtDoc::UpdateAllViews()
{
    emit worldChanged();
}

bool CTarnholtDoc::OnNewDocument()
{
    bool wasModified = document_.isModified();
    document_.newDocument();
    emit documentReplaced();
    emit worldChanged();
    emit titleChanged(title());
    if (wasModified)
        emit modifiedChanged(false);
    return true;
}

bool CTarnholtDoc::OnOpenDocument(const QString& path)
{
    bool wasModified = document_.isModified();
    std::string error = document_.open(CText::toPath(path));
    if (!error.empty()) {
        questions_.message(error);
        return false;
    }
    emit documentReplaced();
    emit worldChanged();
    emit titleChanged(title());
    if (wasModified)
        emit modifiedChanged(false);
    return true;
}

bool CTarnholtDoc::OnSaveDocument(const QString& path)
{
    bool wasModified = document_.isModified();
    std::string oldPath = document_.path();
    std::string error = document_.save(CText::toPath(path));
    if (!error.empty()) {
        questions_.message(error);
        return false;
    }
    if (document_.path() != oldPath)
        emit titleChanged(title());
    if (wasModified)
        emit modifiedChanged(false);
    return true;
}

} // namespace tarnholt
