// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "DesignFonts.h"

#include <QFontDatabase>

#include <array>
#include <utility>

namespace {

// The families the window was designed with, and the faces the package
// brings in their place (fonts-liberation2, fonts-dejavu-core).
constexpr std::array<std::pair<QLatin1StringView, QLatin1StringView>, 2> kEquivalents{{
    {QLatin1StringView("Arial"), QLatin1StringView("Liberation Sans")},
    {QLatin1StringView("MS Sans Serif"), QLatin1StringView("DejaVu Sans")},
}};

QString equivalentOf(const QString& family)
{
    for (const auto& [designed, installed] : kEquivalents) {
        if (family.compare(designed, Qt::CaseInsensitive) == 0)
            return installed;
    }
    return {};
}

} // namespace

QStringList installedFamilies(const QStringList& designed, const FamilyInstalled& isInstalled)
{
    QStringList families;
    for (const QString& family : designed) {
        const QString shown = isInstalled(family) ? family : equivalentOf(family);
        if (!shown.isEmpty() && isInstalled(shown) && !families.contains(shown, Qt::CaseInsensitive))
            families += shown;
    }
    return families.isEmpty() ? designed : families;
}

void useInstalledFamilies(QFont& font)
{
    // Asking for a family's styles looks that one family up, where the list
    // of all families would read every installed face.
    font.setFamilies(installedFamilies(font.families(), [](const QString& family) {
        return !QFontDatabase::styles(family).isEmpty();
    }));
}

QFont designFont(const QString& family, int pixelSize)
{
    QFont font;
    font.setFamilies({family});
    font.setPixelSize(pixelSize);
    useInstalledFamilies(font);
    return font;
}
