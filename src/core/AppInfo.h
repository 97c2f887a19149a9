#pragma once

#include <QString>

// The product's name, version and web address as shown in the title bar.
namespace AppInfo {

inline QString productName()
{
    return QStringLiteral("Torvik");
}

inline QString version()
{
    return QStringLiteral("%1.%2.%3")
            .arg(TORVIK_VERSION_MAJOR)
            .arg(TORVIK_VERSION_MINOR)
            .arg(TORVIK_VERSION_PATCH);
}

inline QString webAddress()
{
    return QStringLiteral("www.torvik.co.kr");
}

// "카센터 업무관리 Torvik  Ver.1.0.0 - www.torvik.co.kr"
inline QString mainWindowTitle()
{
    return QStringLiteral("카센터 업무관리 Torvik  Ver.") + version() + QStringLiteral(" - ")
            + webAddress();
}

// The folder the program runs from; pictures live in its Image folder.
QString programFolder();

} // namespace AppInfo
