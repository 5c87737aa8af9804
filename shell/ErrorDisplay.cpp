// SPDX-FileCopyrightText: 2026 The Roots developers
//
// SPDX-License-Identifier: MIT

#include "ErrorDisplay.h"

#include "Exception.h"

#include <QApplication>
#include <QFileInfo>
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

// Keeps the first and last characters of `text` around an ellipsis, never
// splitting a character that takes two UTF-16 units.
QString shortenedInTheMiddle(QStringView text, qsizetype length)
{
    const qsizetype kept = length - 1;
    qsizetype headLength = (kept + 1) / 2;
    qsizetype tailStart = text.size() - kept / 2;
    if (text[headLength - 1].isHighSurrogate())
        --headLength;
    if (text[tailStart].isLowSurrogate())
        ++tailStart;
    QString shortened = text.first(headLength).toString();
    shortened += QChar(0x2026);
    shortened += text.mid(tailStart);
    return shortened;
}

QString withLongQuoteShortened(const QString& message)
{
    const qsizetype open = message.indexOf(QLatin1Char('\''));
    const qsizetype close = message.lastIndexOf(QLatin1Char('\''));
    if (open < 0 || close - open - 1 <= kShownQuoteLength)
        return message;
    const QStringView quoted = QStringView(message).mid(open + 1, close - open - 1);
    return message.first(open + 1) + shortenedInTheMiddle(quoted, kShownQuoteLength)
        + message.mid(close);
}

} // namespace

QString errorBoxText(const QString& message)
{
    const QString shown = withLongQuoteShortened(message);
    if (!shown.isEmpty() && shown.back() > QLatin1Char('.'))
        return shown + QLatin1Char('.');
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
