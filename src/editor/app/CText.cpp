#include "app/CText.h"

#include <QFile>
#include <QStringDecoder>

#include "world/Encoding.h"

namespace tarnholt {

QString CText::toQt(std::string_view text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        out += QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string CText::toRecord(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t cp = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        out += unicodeToCp1252(cp);
    }
    return out;
}

QString CText::messageToQt(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!decoder.hasError())
        return decoded;
    return toQt(text);
}

std::string CText::toPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString CText::fromPath(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

QString CText::menuText(std::string_view text)
{
    QString out = toQt(text);
    out.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return out;
}

} // namespace tarnholt
