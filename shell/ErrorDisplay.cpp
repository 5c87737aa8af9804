// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"

#include "Exception.h"

#include <QApplication>
#include <QFileInfo>
#include <QList>
#include <QMessageBox>

#include <exception>

QString applicationTitle(const QString& programFile)
{
    QString name = QFileInfo(programFile).fileName();
    name = name.section(QLatin1Char('\\'), -1);
    name = name.section(QLatin1Char('.'), 0, 0);
    return name.left(1).toUpper() + name.mid(1).toLower();
}

namespace {

constexpr QChar kEllipsis(0x2026);
constexpr QChar kLeftToRightMark(0x200E);
constexpr QChar kLeftToRightIsolate(0x2066);
constexpr QChar kFirstStrongIsolate(0x2068);
constexpr QChar kPopDirectionalIsolate(0x2069);
constexpr QChar kZeroWidthSpace(0x200B);
// Marks drawn on one character; more stand on their own, so that a pasted
// heap of accents cannot hide both ends of the quote inside one character.
constexpr int kMostMarksOnACharacter = 8;

bool isLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028
        || c == 0x2029;
}

// Characters that draw nothing, or nothing but blank space, so that in the
// box they would pass for a plain space or for no character at all.
bool cannotBeSeen(char32_t c)
{
    if (c == U' ')
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    // Invisible marks (grapheme joiner, variation selectors), fillers that
    // are letters, and the blank Braille pattern.
    return c == 0x034F || c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180F)
        || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || c == 0x115F
        || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x2800;
}

bool combinesVisibly(char32_t c) { return QChar::isMark(c) && !cannotBeSeen(c); }

// One thing the box shows for a stretch of the quote: a character with the
// marks drawn on it, the code of a character that cannot be seen, or a line
// break (CR LF being one).
struct Piece {
    qsizetype length = 0; ///< in the quote, in UTF-16 units
    QString shown;
    bool lineBreak = false;
    qsizetype seen = shown.size(); ///< characters the reader sees
};

// The code point starting at `i`; a lone surrogate stands for itself.
char32_t codePointAt(QStringView text, qsizetype i, qsizetype* units)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    }
    *units = 1;
    return text[i].unicode();
}

// The code point ending just before `end`.
char32_t codePointBefore(QStringView text, qsizetype end, qsizetype* units)
{
    if (text[end - 1].isLowSurrogate() && end >= 2 && text[end - 2].isHighSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(text[end - 2], text[end - 1]);
    }
    *units = 1;
    return text[end - 1].unicode();
}

// Reads left to right even inside right-to-left text.
Piece codePiece(char32_t c, qsizetype units)
{
    const QString code = QStringLiteral("<U+%1>").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return {units, kLeftToRightIsolate + code + kPopDirectionalIsolate, false, code.size()};
}

// Opens the quote, or a line of it: an isolate in the direction of its own
// text. Text layouts that take a paragraph's direction from its first strong
// character without skipping isolates (QTextDocument's) find the mark first.
const QString kLineOpening = QString(kLeftToRightMark) + kFirstStrongIsolate;

// A line break starts a new paragraph, which ends every isolate: each line
// of the quote is isolated on its own.
Piece lineBreakPiece(qsizetype units)
{
    return {units, kPopDirectionalIsolate + QStringLiteral("\n") + kLineOpening, true, 1};
}

// The piece a single code point makes when it is not a visible character.
bool specialPiece(char32_t c, qsizetype units, Piece* piece)
{
    if (isLineBreak(c)) {
        *piece = lineBreakPiece(units);
        return true;
    }
    if (cannotBeSeen(c)) {
        *piece = codePiece(c, units);
        return true;
    }
    return false;
}

Piece pieceAt(QStringView text, qsizetype i)
{
    qsizetype units = 0;
    const char32_t c = codePointAt(text, i, &units);
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
        return lineBreakPiece(2);
    Piece piece;
    if (specialPiece(c, units, &piece))
        return piece;
    qsizetype end = i + units;
    for (int marks = 0; marks < kMostMarksOnACharacter && end < text.size(); ++marks) {
        const char32_t mark = codePointAt(text, end, &units);
        if (!combinesVisibly(mark))
            break;
        end += units;
    }
    return {end - i, text.sliced(i, end - i).toString(), false};
}

Piece pieceBefore(QStringView text, qsizetype end)
{
    qsizetype units = 0;
    const char32_t c = codePointBefore(text, end, &units);
    if (c == U'\n' && end >= 2 && text[end - 2] == QLatin1Char('\r'))
        return lineBreakPiece(2);
    Piece piece;
    if (specialPiece(c, units, &piece))
        return piece;
    qsizetype begin = end - units;
    if (combinesVisibly(c)) {
        // Back over the marks to the character they are drawn on, if any.
        for (int marks = 1; begin > 0; ++marks) {
            const char32_t before = codePointBefore(text, begin, &units);
            if (combinesVisibly(before) && marks < kMostMarksOnACharacter) {
                begin -= units;
                continue;
            }
            if (!combinesVisibly(before) && !isLineBreak(before) && !cannotBeSeen(before))
                begin -= units;
            break;
        }
    }
    return {end - begin, text.sliced(begin, end - begin).toString(), false};
}

struct Budget {
    qsizetype characters;
    qsizetype lineBreaks;

    bool take(const Piece& piece)
    {
        if (piece.seen > characters || (piece.lineBreak && lineBreaks == 0))
            return false;
        characters -= piece.seen;
        lineBreaks -= piece.lineBreak ? 1 : 0;
        return true;
    }
};

struct Taken {
    QList<Piece> pieces;
    qsizetype units = 0; ///< of the quote they stand for
};

Taken takeFromStart(QStringView text, Budget budget)
{
    Taken taken;
    while (taken.units < text.size()) {
        Piece piece = pieceAt(text, taken.units);
        if (!budget.take(piece))
            break;
        taken.units += piece.length;
        taken.pieces.append(std::move(piece));
    }
    return taken;
}

Taken takeFromEnd(QStringView text, Budget budget)
{
    Taken taken;
    while (taken.units < text.size()) {
        Piece piece = pieceBefore(text, text.size() - taken.units);
        if (!budget.take(piece))
            break;
        taken.units += piece.length;
        taken.pieces.prepend(std::move(piece));
    }
    return taken;
}

// Joins the pieces, giving every run of more than kLongestUnbrokenRun
// characters without a space or line break a place to wrap; never inside a
// piece, so no code, pair or mark is torn apart.
QString joinedBreakable(const QList<Piece>& pieces)
{
    QString joined;
    qsizetype run = 0;
    for (const Piece& piece : pieces) {
        if (piece.lineBreak || piece.shown == QLatin1String(" ")) {
            run = 0;
        } else {
            if (run > 0 && run + piece.seen > kLongestUnbrokenRun) {
                joined += kZeroWidthSpace;
                run = 0;
            }
            run += piece.seen;
        }
        joined += piece.shown;
    }
    return joined;
}

QString shownQuote(QStringView quote)
{
    constexpr qsizetype kLineBreaks = kShownQuoteLines - 1;
    Taken whole = takeFromStart(quote, {kShownQuoteLength, kLineBreaks});
    if (whole.units == quote.size())
        return joinedBreakable(whole.pieces);
    // Both ends together stay within the limits, the ellipsis included.
    constexpr qsizetype kHeadLength = kShownQuoteLength / 2;
    Taken shortened = takeFromStart(quote, {kHeadLength, kLineBreaks / 2});
    Taken tail =
        takeFromEnd(quote, {kShownQuoteLength - kHeadLength - 1, kLineBreaks - kLineBreaks / 2});
    // Where the two ends were cut up differently (in a heap of marks), no
    // character is shown twice.
    while (!tail.pieces.isEmpty() && shortened.units + tail.units > quote.size())
        tail.units -= tail.pieces.takeFirst().length;
    shortened.pieces.append({0, QString(kEllipsis), false});
    shortened.pieces.append(tail.pieces);
    return joinedBreakable(shortened.pieces);
}

QString withQuoteShown(const QString& message)
{
    const qsizetype open = message.indexOf(QLatin1Char('\''));
    const qsizetype close = message.lastIndexOf(QLatin1Char('\''));
    if (open < 0 || close == open)
        return message;
    const QStringView quoted = QStringView(message).sliced(open + 1, close - open - 1);
    return message.first(open + 1) + kLineOpening + shownQuote(quoted)
        + kPopDirectionalIsolate + message.sliced(close);
}

} // namespace

QString errorBoxText(const QString& message)
{
    QString shown = withQuoteShown(message);
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        shown += QLatin1Char('.');
    return shown;
}

void showErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(QCoreApplication::applicationName()),
                    errorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    // Messages quote cell text, which may hold anything a user pasted: it is
    // shown as it is, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void runHandler(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const Exception& e) {
        const std::string& text = e.message();
        showErrorBox(QString::fromUtf8(text.data(), qsizetype(text.size())));
    } catch (const std::exception& e) {
        showErrorBox(QString::fromUtf8(e.what()));
    }
}
