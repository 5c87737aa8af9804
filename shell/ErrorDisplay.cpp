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

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
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
