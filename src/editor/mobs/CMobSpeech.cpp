#include "mobs/CMobSpeech.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CFieldCheck.h"
#include "app/CText.h"
#include "mobs/Mob.h"

namespace tarnholt {

namespace {

constexpr int kLineRole = Qt::UserRole;

QString shownLine(const std::string& line)
{
    std::string shown = line;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.pop_back();
    return CText::toQt(shown);
}

} // namespace

CMobSpeech::CMobSpeech(Mob& mob, Questions& questions, QWidget* parent)
    : CSheetPage(questions, parent), mob_(mob)
{
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("speech"));
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("speechText"));
    interval_ = new QLineEdit(this);
    interval_->setObjectName(QStringLiteral("speechInterval"));

    auto* addTextButton = new QPushButton(QStringLiteral("Add Text"), this);
    auto* addIntervalButton = new QPushButton(QStringLiteral("Add Interval"), this);
    auto* removeButton = new QPushButton(QStringLiteral("Remove"), this);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Add Text:"), this), 0, 0);
    fields->addWidget(text_, 0, 1);
    fields->addWidget(addTextButton, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Add Interval:"), this), 1, 0);
    fields->addWidget(interval_, 1, 1);
    fields->addWidget(addIntervalButton, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Mob Speech Strings ($n indicates player name):"), this));
    layout->addWidget(list_);
    layout->addLayout(buttons);
    layout->addLayout(fields);

    connect(addTextButton, &QPushButton::clicked, this, &CMobSpeech::addText);
    connect(addIntervalButton, &QPushButton::clicked, this, &CMobSpeech::addInterval);
    connect(removeButton, &QPushButton::clicked, this, &CMobSpeech::remove);
}

void CMobSpeech::activate()
{
    list_->clear();
    for (const std::string& line : mob_.speech)
        addLine(line);
}

bool CMobSpeech::leave()
{
    int32_t interval = 0;
    if (!readInterval(interval))
        return false;
    storeList();
    return true;
}

void CMobSpeech::addLine(const std::string& line)
{
    auto* item = new QListWidgetItem(shownLine(line), list_);
    item->setData(kLineRole, QByteArray::fromStdString(line));
}

void CMobSpeech::storeList()
{
    mob_.speech.clear();
    for (int i = 0; i < list_->count(); ++i)
        mob_.speech.push_back(list_->item(i)->data(kLineRole).toByteArray().toStdString());
}

bool CMobSpeech::readInterval(int32_t& interval)
{
    interval = 0;
    if (interval_->text().trimmed().isEmpty())
        return true;
    CFieldCheck check(questions());
    return check.integerBetween(interval_, 0, 100, interval);
}

void CMobSpeech::addText()
{
    const std::string text = CText::toRecord(text_->text());
    if (text.empty())
        return;
    addLine("<LINE> " + text + " <END_LINE>\n");
    text_->clear();
    text_->setFocus(Qt::OtherFocusReason);
}

void CMobSpeech::addInterval()
{
    int32_t interval = 0;
    if (!readInterval(interval) || interval <= 0)
        return;
    addLine("<INTERVAL> " + std::to_string(interval) + "\n");
}

void CMobSpeech::remove()
{
    if (removeSelectedEntry(list_))
        storeList();
}

} // namespace tarnholt
