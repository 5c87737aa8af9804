// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "Maincode.h"

#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

struct DroppedKey {
    const char* name;
    int key;
    QString text;
    int modifiers;
    bool opensEditor; // typed with no editor open
};

void PrintTo(const DroppedKey& c, std::ostream* os) { *os << c.name; }

class DroppedKeys : public testing::TestWithParam<DroppedKey> {
protected:
    void SetUp() override
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        form = openMainForm(',');
        form->StringGrid1->setCell(0, 1, QStringLiteral("12"));
    }
    std::unique_ptr<TMainForm> form;
};

TEST_P(DroppedKeys, LeaveTheCellUnchangedWithTheEditorClosed)
{
    const DroppedKey& k = GetParam();
    TStringGrid* grid = form->StringGrid1;
    typeKey(form.get(), k.key, k.text, k.modifiers);
    EXPECT_EQ(grid->isEditing(), k.opensEditor);
    grid->commitEditor();
    EXPECT_EQ(grid->cell(0, 1), "12");
}

TEST_P(DroppedKeys, LeaveTheCellUnchangedInAnOpenEditor)
{
    const DroppedKey& k = GetParam();
    TStringGrid* grid = form->StringGrid1;
    grid->edit(grid->currentIndex());
    ASSERT_TRUE(grid->isEditing());
    typeKey(form.get(), k.key, k.text, k.modifiers);
    EXPECT_TRUE(grid->isEditing()) << "the editor stays open";
    grid->commitEditor();
    EXPECT_EQ(grid->cell(0, 1), "12");
}

INSTANTIATE_TEST_SUITE_P(Table, DroppedKeys, testing::Values(
    DroppedKey{"LatinLetter", Qt::Key_A, "a", 0, true},
    DroppedKey{"CyrillicLetter", Qt::Key_unknown, QString::fromUtf8("ж"), 0, true},
    DroppedKey{"Plus", Qt::Key_Plus, "+", 0, true},
    DroppedKey{"ExponentE", Qt::Key_E, "e", 0, true},
    DroppedKey{"Space", Qt::Key_Space, " ", 0, true},
    DroppedKey{"Enter", Qt::Key_Return, "\r", 0, false},
    DroppedKey{"CtrlV", Qt::Key_V, QString(QChar(22)), Qt::ControlModifier, false},
    DroppedKey{"CtrlX", Qt::Key_X, QString(QChar(24)), Qt::ControlModifier, false}
), [](const auto& info) { return std::string(info.param.name); });

struct TypedText {
    const char* name;
    char separator;
    QString typed;
    QString cell;
};

void PrintTo(const TypedText& c, std::ostream* os) { *os << c.name; }

class TypedTexts : public testing::TestWithParam<TypedText> {};

TEST_P(TypedTexts, ReachTheCellAsTheFilterLeavesThem)
{
    const TypedText& t = GetParam();
    auto form = openMainForm(t.separator);
    typeText(form.get(), t.typed);
    form->StringGrid1->commitEditor();
    EXPECT_EQ(form->StringGrid1->cell(0, 1), t.cell);
}

INSTANTIATE_TEST_SUITE_P(Table, TypedTexts, testing::Values(
    TypedText{"PointBecomesComma", ',', "1.5", "1,5"},
    TypedText{"CommaBecomesPoint", '.', "1,5", "1.5"},
    TypedText{"LettersAmongDigits", ',', "-1a2e3", "-123"},
    TypedText{"SignsAndSeparatorsAnywhere", ',', "--5,,", "--5,,"},
    TypedText{"BackspaceEdits", ',', QString("12") + QChar(8) + "3", "13"}
), [](const auto& info) { return std::string(info.param.name); });

TEST(StringGrid, TheFilterSeesEachTypedCharacterOnce)
{
    auto form = openMainForm(',');
    // Connected after the window's own handler, so it sees what the filter
    // made of each key: 0 for a dropped one.
    QString seen;
    QObject::connect(form->StringGrid1, &TStringGrid::OnKeyPress, form.get(),
                     [&seen](QObject*, QChar& key) { seen += key; });
    // The first key opens the editor from the grid, replaced on the way; the
    // rest go to the editor. The editor passes Ctrl+1 up to the grid unused.
    typeText(form.get(), ".1x5");
    typeKey(form.get(), Qt::Key_1, "1", Qt::ControlModifier);
    EXPECT_EQ(seen, QString(",1") + QChar(0) + "51");
    form->StringGrid1->commitEditor();
    EXPECT_EQ(form->StringGrid1->cell(0, 1), ",15");
}

TEST(StringGrid, InputMethodTextPassesTheFilter)
{
    auto form = openMainForm(',');
    TStringGrid* grid = form->StringGrid1;
    const auto commit = [](QWidget* target, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(target, &event);
    };
    // Committed to the grid, text opens the editor (Qt applies only what is
    // committed to the editor itself).
    commit(grid, QString::fromUtf8("ж"));
    ASSERT_TRUE(grid->isEditing());
    commit(QApplication::focusWidget(), QString::fromUtf8("1ж.5"));
    commit(QApplication::focusWidget(), "x-2");
    grid->commitEditor();
    EXPECT_EQ(grid->cell(0, 1), "1,5-2");
}

struct LeavingKey {
    const char* name;
    int key;
    int modifiers;
};

void PrintTo(const LeavingKey& c, std::ostream* os) { *os << c.name; }

class LeavingKeys : public testing::TestWithParam<LeavingKey> {};

// The button is the only other control, so it comes both after the table
// and, wrapping round, before it.
TEST_P(LeavingKeys, LeaveTheTableForTheButtonKeepingTheText)
{
    const LeavingKey& k = GetParam();
    auto form = openMainForm(',');
    typeText(form.get(), "4");
    typeKey(form.get(), k.key, "\t", k.modifiers);
    EXPECT_FALSE(form->StringGrid1->isEditing());
    EXPECT_EQ(form->StringGrid1->cell(0, 1), "4") << "leaving the table keeps the typed text";
    EXPECT_EQ(form->StringGrid1->currentColumn(), 0) << "Tab does not move between cells";
    EXPECT_TRUE(form->Button1->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Table, LeavingKeys, testing::Values(
    LeavingKey{"Tab", Qt::Key_Tab, 0},
    LeavingKey{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier}
), [](const auto& info) { return std::string(info.param.name); });

QLineEdit* openCellEditor(TStringGrid& grid)
{
    grid.edit(grid.currentIndex());
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

TEST(StringGrid, TheEditorOpensOnALongTextWhole)
{
    auto form = openMainForm(',');
    TStringGrid* grid = form->StringGrid1;
    const QString text = "-" + QString(40'000, '0') + "1";
    grid->setCell(0, 1, text);
    ASSERT_TRUE(openCellEditor(*grid));
    typeKey(form.get(), Qt::Key_End, QString());
    typeText(form.get(), "5");
    grid->commitEditor();
    EXPECT_TRUE(grid->cell(0, 1) == text + "5") << grid->cell(0, 1).size() << " characters";
}

// Stands in for Qt's translations: the editor's entries and the name of the
// Ctrl key come out in other words.
class OtherWordsTranslator : public QTranslator {
public:
    OtherWordsTranslator() { QCoreApplication::installTranslator(this); }
    ~OtherWordsTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, "QLineEdit") == 0)
            return QString::fromUtf8("«") + QString::fromUtf8(source) + QString::fromUtf8("»");
        if (qstrcmp(context, "QShortcut") == 0 && qstrcmp(source, "Ctrl") == 0)
            return QStringLiteral("Strg");
        return {};
    }
};

// Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A type characters the filter
// drops, so the menu shows its entries without them; the entries work.
TEST(StringGrid, EditorMenuShowsNoShortcutsTheTableDrops)
{
    OtherWordsTranslator translator;
    // Paste is offered only with text on the clipboard.
    QGuiApplication::clipboard()->setText(QStringLiteral("-7"));
    auto form = openMainForm(',');
    TStringGrid* grid = form->StringGrid1;
    QLineEdit* editor = openCellEditor(*grid);
    ASSERT_TRUE(editor);
    const QPoint at(2, 2);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, editor->mapToGlobal(at));
    QApplication::sendEvent(editor, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);

    QAction* paste = nullptr;
    int entries = 0;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        ++entries;
        EXPECT_TRUE(action->text().endsWith(QString::fromUtf8("»")))
            << "nothing follows the entry: " << action->text().toStdString();
        if (action->text() == QString::fromUtf8("«&Paste»"))
            paste = action;
    }
    EXPECT_GE(entries, 5);
    ASSERT_TRUE(paste);
    paste->trigger();
    menu->close();
    grid->commitEditor();
    EXPECT_EQ(grid->cell(0, 1), "-7");
}

TEST(StringGrid, InsertAndDeleteKeysStillCopyCutAndPaste)
{
    auto form = openMainForm(',');
    TStringGrid* grid = form->StringGrid1;
    grid->setCell(0, 1, "12");
    QLineEdit* editor = openCellEditor(*grid);
    ASSERT_TRUE(editor);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    editor->selectAll();
    typeKey(form.get(), Qt::Key_Insert, QString(), Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "12") << "Ctrl+Insert copies";
    clipboard->clear();
    typeKey(form.get(), Qt::Key_Delete, QString(), Qt::ShiftModifier);
    EXPECT_EQ(clipboard->text(), "12") << "Shift+Delete cuts";
    EXPECT_EQ(editor->text(), "");
    typeKey(form.get(), Qt::Key_Insert, QString(), Qt::ShiftModifier);
    typeKey(form.get(), Qt::Key_Insert, QString(), Qt::ShiftModifier);
    grid->commitEditor();
    EXPECT_EQ(grid->cell(0, 1), "1212") << "Shift+Insert pastes";
}

} // namespace
