// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"
#include "Exception.h"

#include "WindowDriver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QAbstractButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct TextCase {
    const char* name;
    QString message;
    QString shown;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ErrorBoxText : public testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxText, AddsAFullStopOnlyAfterLaterCharacters)
{
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxText, testing::Values(
    TextCase{"Ordinary", "Cannot open clipboard", "Cannot open clipboard."},
    TextCase{"EndsInFullStop", "Done.", "Done."},
    TextCase{"EndsInSpace", "Trailing ", "Trailing "},
    TextCase{"EndsInComma", "a,", "a,"},
    TextCase{"EndsInMinus", "a-", "a-"},
    TextCase{"EndsInSlash", "a/", "a/."},
    TextCase{"EndsInQuote", "'1-2' is", QString::fromUtf8("'\u200E\u20681-2\u2069' is.")},
    TextCase{"EndsInCyrillic", QString::fromUtf8("корни"), QString::fromUtf8("корни.")},
    TextCase{"Empty", "", ""}
), [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationTitle, IsTheProgramFileNameCapitalised)
{
    EXPECT_EQ(applicationTitle("roots"), "Roots");
    EXPECT_EQ(applicationTitle("/usr/bin/roots"), "Roots");
    EXPECT_EQ(applicationTitle("C:\\Program Files\\ROOTS.EXE"), "Roots");
    EXPECT_EQ(applicationTitle("my.roots.bin"), "My");
}

TEST(ErrorDisplay, HandlerExceptionsEndInOneCriticalBox)
{
    QCoreApplication::setApplicationName(QStringLiteral("roots"));
    const ErrorBoxes shown = closingErrorBoxes([] {
        runHandler([] { throw Exception("Cannot open clipboard"); });
    });
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.title, "Roots");
    EXPECT_EQ(shown.text, "Cannot open clipboard.");
    EXPECT_TRUE(shown.critical);
    EXPECT_TRUE(shown.plainText) << "pasted text is never read as markup";

    const ErrorBoxes empty = closingErrorBoxes([] { runHandler([] { throw Exception(""); }); });
    EXPECT_EQ(empty.count, 1);
    EXPECT_EQ(empty.text, "");

    const ErrorBoxes other = closingErrorBoxes([] {
        runHandler([] { throw std::runtime_error("out of memory"); });
    });
    EXPECT_EQ(other.text, "out of memory.");
}

// Where an error box stood on its screen, as it was about to wait for the user.
struct ShownBox {
    QRect frame;
    QRect available; ///< of the box's screen
    QRect okButton;  ///< in screen coordinates
    QRect textNeeds; ///< what the text takes, laid out as the label lays it out
    QRect label;     ///< the label's room for it
};

// Measures each box from inside its own event loop, once it has laid itself
// out, and then closes it.
class BoxMeasurer : public QObject {
public:
    ShownBox shown;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(object) : nullptr;
        if (!box)
            return false;
        QMetaObject::invokeMethod(box, [this, box] {
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown.frame = box->frameGeometry();
            shown.available = box->screen()->availableGeometry();
            shown.okButton = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
            if (label) {
                shown.label = label->contentsRect();
                const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
                shown.textNeeds = label->fontMetrics().boundingRect(
                    shown.label, int(label->alignment()) | wrap, label->text());
            }
            ok->click();
        }, Qt::QueuedConnection);
        return false;
    }
};

ShownBox showMeasured(const QString& message)
{
    BoxMeasurer measurer;
    qApp->installEventFilter(&measurer);
    showErrorBox(message);
    qApp->removeEventFilter(&measurer);
    return measurer.shown;
}

struct PastedText {
    const char* name;
    QString cell;
};

void PrintTo(const PastedText& c, std::ostream* os) { *os << c.name; }

class ErrorBoxOnASmallScreen : public testing::TestWithParam<PastedText> {};

// The tests' screen is 800 by 600 pixels; the box must fit it, OK button
// and all, and show its text inside its label whatever the cell held.
TEST_P(ErrorBoxOnASmallScreen, FitsWithItsButtonAndItsWholeText)
{
    const QSize smallScreen(800, 600);
    const ShownBox box = showMeasured("'" + GetParam().cell + "' is not a valid floating point value");
    ASSERT_FALSE(box.frame.isEmpty());
    EXPECT_LE(box.frame.width(), smallScreen.width());
    EXPECT_LE(box.frame.height(), smallScreen.height());
    EXPECT_TRUE(box.available.contains(box.frame)) << "box on the screen's available area";
    EXPECT_TRUE(box.frame.contains(box.okButton)) << "OK button inside the box";
    ASSERT_FALSE(box.label.isEmpty());
    EXPECT_LE(box.textNeeds.width(), box.label.width()) << "no text runs past the box's edge";
    EXPECT_LE(box.textNeeds.height(), box.label.height()) << "no line is cut off";
}

INSTANTIATE_TEST_SUITE_P(Table, ErrorBoxOnASmallScreen, testing::Values(
    PastedText{"ShortCell", "1-2"},
    PastedText{"ThousandsOfLines", QString("1,5\n").repeated(5000)},
    PastedText{"ThousandsOfEmptyLines", QString(5000, '\n')},
    PastedText{"RunWithoutSpaces", QString(10000, '9')},
    PastedText{"RunOfWideLetters", QString(10000, 'W')},
    PastedText{"RunOfIdeographs", QString(10000, QChar(0x6C34))},
    PastedText{"RunOfNonBreakingSpaces", QString(10000, QChar(0xA0))},
    PastedText{"LongLines", (QString(300, 'W') + "\n").repeated(50)},
    PastedText{"RightToLeftWords", QString::fromUtf8("שלום עולם ").repeated(500)}
), [](const auto& info) { return std::string(info.param.name); });

} // namespace
