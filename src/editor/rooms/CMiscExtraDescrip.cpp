#include "rooms/CMiscExtraDescrip.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/CText.h"
#include "generate/Reformat.h"
#include "rooms/ExtraDescriptions.h"
#include "universe/RecordText.h"

namespace tarnholt {

CMiscExtraDescrip::CMiscExtraDescrip(ExtraDescriptions& record, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), record_(record)
{
    selection_ = new QComboBox(this);
    selection_->setObjectName(QStringLiteral("keywordSelection"));
    keywords_ = new QLineEdit(this);
    keywords_->setObjectName(QStringLiteral("keywords"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));

    auto* addButton = new QPushButton(QStringLiteral("Add/Update Descrip"), this);
    auto* deleteButton = new QPushButton(QStringLiteral("Delete Descrip"), this);
    auto* format60 = new QPushButton(QStringLiteral("Format-60"), this);
    auto* format80 = new QPushButton(QStringLiteral("Format-80"), this);
    auto* help = new QLabel(QStringLiteral(
        "This screen adds extra descriptions for static 'nouns'.  Adding these extra little tidbits can "
        "change a zone from a crappy zone to ones players actually look at.  These are also great for "
        "adding clues that the players have to 'look' for."), this);
    help->setWordWrap(true);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Keyword Selection:"), this), 0, 0);
    fields->addWidget(selection_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Keywords:"), this), 1, 0);
    fields->addWidget(keywords_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Description:"), this), 2, 0, Qt::AlignTop);
    fields->addWidget(description_, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch();
    buttons->addWidget(format60);
    buttons->addWidget(format80);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(selection_, &QComboBox::activated, this, &CMiscExtraDescrip::entryChosen);
    connect(addButton, &QPushButton::clicked, this, &CMiscExtraDescrip::addOrUpdate);
    connect(deleteButton, &QPushButton::clicked, this, &CMiscExtraDescrip::deleteEntry);
    connect(format60, &QPushButton::clicked, this, [this] { format(60); });
    connect(format80, &QPushButton::clicked, this, [this] { format(80); });

    fillSelection();
}

std::string CMiscExtraDescrip::keywordsText() const { return CText::toRecord(keywords_->text()); }

std::string CMiscExtraDescrip::descriptionText() const
{
    return RecordText::linesFromQt(description_->toPlainText());
}

void CMiscExtraDescrip::activate()
{
    // The record may have been replaced meanwhile (a copied room or an applied template), so the
    // list is read again, and a keyword entry the record no longer holds is not brought back.
    const std::string keywords = keywordsText();
    const bool known = std::find(record_.keywordList.begin(), record_.keywordList.end(), keywords) !=
                       record_.keywordList.end();
    if (!known)
        keywords_->clear();
    fillSelection();
    description_->setPlainText(RecordText::linesToQt(record_.get(keywordsText())));
}

void CMiscExtraDescrip::fillSelection()
{
    const QString current = keywords_->text();
    selection_->clear();
    for (const std::string& keywords : record_.keywordList)
        selection_->addItem(CText::toQt(keywords));
    selection_->setCurrentIndex(current.isEmpty() ? -1 : selection_->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

bool CMiscExtraDescrip::leave()
{
    // What is on the page is kept even without "Add/Update Descrip"; an empty keyword entry is
    // never written to the area files.
    record_.set(keywordsText(), descriptionText());
    return true;
}

void CMiscExtraDescrip::entryChosen(int index)
{
    if (index < 0)
        return;
    const std::string keywords = CText::toRecord(selection_->itemText(index));
    keywords_->setText(selection_->itemText(index));
    description_->setPlainText(RecordText::linesToQt(record_.get(keywords)));
}

void CMiscExtraDescrip::addOrUpdate()
{
    const std::string keywords = keywordsText();
    if (keywords.empty())
        return;
    record_.set(keywords, descriptionText());
    // One list entry per keyword entry: an update must not list the entry a second time.
    const QString text = CText::toQt(keywords);
    int index = -1;
    for (int i = 0; i < selection_->count(); ++i) {
        if (selection_->itemText(i) == text) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        selection_->addItem(text);
        index = selection_->count() - 1;
    }
    selection_->setCurrentIndex(index);
}

void CMiscExtraDescrip::deleteEntry()
{
    const int index = selection_->currentIndex();
    if (index < 0)
        return;
    // The chosen list entry itself goes, not another one that differs only in case.
    record_.remove(CText::toRecord(selection_->itemText(index)));
    selection_->removeItem(index);
    selection_->setCurrentIndex(-1);
    keywords_->clear();
    description_->clear();
}

void CMiscExtraDescrip::format(int width)
{
    std::string text = descriptionText();
    if (reformatDescription(text, width, false, questions()))
        description_->setPlainText(RecordText::linesToQt(text));
    description_->setFocus(Qt::OtherFocusReason);
}

} // namespace tarnholt
