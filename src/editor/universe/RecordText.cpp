#include "universe/RecordText.h"

#include "app/CText.h"

namespace tarnholt {

QString RecordText::linesToQt(const std::string& text)
{
    QString out = CText::toQt(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

std::string RecordText::linesFromQt(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar(0x2029), QLatin1Char('\n')); // paragraph separators of rich text widgets
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return CText::toRecord(lines);
}

} // namespace tarnholt
