#pragma once

#include <QString>
#include <string>

// The program's texts are UTF-8 bytes; Qt's only at the screen.
inline QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Multi-line edits hold lines ended by CR LF; Qt's by LF.
inline QString FromCrLf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

inline QString ToCrLf(QString text)
{
    return text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}
