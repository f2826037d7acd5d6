#include "app/CFieldCheck.h"

#include <QAbstractSpinBox>
#include <QLineEdit>

#include "app/CText.h"
#include "app/Questions.h"

namespace tarnholt {

bool CFieldCheck::parseInteger(const QString& text, int32_t& value)
{
    qsizetype i = 0;
    qsizetype n = text.size();
    auto blank = [&](qsizetype k) { return text.at(k) == QLatin1Char(' ') || text.at(k) == QLatin1Char('\t'); };
    while (i < n && blank(i))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qsizetype digitsStart = i;
    int64_t number = 0;
    while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
        number = number * 10 + (text.at(i).unicode() - u'0');
        if (number > int64_t(INT32_MAX) + 1)
            return false;
        ++i;
    }
    if (i == digitsStart)
        return false;
    while (i < n && blank(i))
        ++i;
    if (i != n)
        return false;
    if (negative)
        number = -number;
    if (number > INT32_MAX || number < INT32_MIN)
        return false;
    value = static_cast<int32_t>(number);
    return true;
}

QString CFieldCheck::fieldText(const QWidget* field)
{
    if (auto edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (auto spin = qobject_cast<const QAbstractSpinBox*>(field))
        return spin->text();
    return {};
}

void CFieldCheck::fail(QWidget* field, const QString& message)
{
    ok_ = false;
    questions_.message(CText::toRecord(message));
    field->setFocus(Qt::OtherFocusReason);
    if (auto edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
}

bool CFieldCheck::integer(QWidget* field, int32_t& value)
{
    if (!ok_)
        return false;
    int32_t read = 0;
    if (!parseInteger(fieldText(field), read)) {
        fail(field, QStringLiteral("Please enter an integer."));
        return false;
    }
    value = read;
    return true;
}

bool CFieldCheck::integerBetween(QWidget* field, int32_t low, int32_t high, int32_t& value)
{
    if (!ok_)
        return false;
    int32_t read = 0;
    if (!parseInteger(fieldText(field), read)) {
        fail(field, QStringLiteral("Please enter an integer."));
        return false;
    }
    if (read < low || read > high) {
        fail(field, QStringLiteral("Please enter an integer between %1 and %2.").arg(low).arg(high));
        return false;
    }
    value = read;
    return true;
}

} // namespace tarnholt
