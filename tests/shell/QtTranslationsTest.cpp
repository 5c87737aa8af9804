// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"
#include "QtTranslations.h"

#include "WindowDriver.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Installs Qt's translations for `name` for one test and takes them away
// again, so that no other test sees them.
class QtTranslationsFor {
public:
    explicit QtTranslationsFor(const char* name)
        : translator_(installQtTranslations(QLocale(QString::fromLatin1(name))))
    {
        QCoreApplication::processEvents();
    }
    ~QtTranslationsFor()
    {
        QCoreApplication::removeTranslator(translator_.get());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCoreApplication::processEvents();
    }
    bool installed() const { return translator_ != nullptr; }

private:
    std::unique_ptr<QTranslator> translator_;
};

QStringList editorMenuTexts()
{
    QLineEdit editor;
    std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

TEST(QtTranslations, QtsOwnTextsInRussianOnly)
{
    const QStringList english = editorMenuTexts();
    QtTranslationsFor russian("ru_RU");
    if (!russian.installed())
        GTEST_SKIP() << "Qt's Russian translations are not installed (qt6-translations-l10n)";
    const QStringList translated = editorMenuTexts();
    ASSERT_EQ(translated.size(), english.size());
    EXPECT_TRUE(translated.first().startsWith(QString::fromUtf8("&Отменить"))) << "Undo";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));

    auto form = openMainForm(',');
    EXPECT_EQ(form->Button1->text(), QString::fromUtf8("Показать корни"));
    form->StringGrid1->setCell(0, 1, "1-2");
    form->StringGrid1->setCell(1, 1, "1");
    const ErrorBoxes boxes = closingErrorBoxes([&] { form->Button1Click(); });
    EXPECT_TRUE(boxes.text.endsWith("' is not a valid floating point value.")) << "in English";
}

TEST(QtTranslations, RightToLeftLanguageKeepsTheLayout)
{
    QtTranslationsFor hebrew("he_IL");
    if (!hebrew.installed())
        GTEST_SKIP() << "Qt's Hebrew translations are not installed (qt6-translations-l10n)";
    auto form = openMainForm(',');
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(form->Chart->geometry().left(), 8) << "the chart stays on the left";
}

TEST(QtTranslations, NoneForALanguageQtHasNoTextsIn)
{
    EXPECT_EQ(installQtTranslations(QLocale(QLocale::Esperanto)), nullptr);
}

} // namespace
