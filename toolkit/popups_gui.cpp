// Message and file-selection popups.
#include "intern_gui.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace tk {

TK_DateiAntwort dateiAntwort = nullptr;

// The window's display of MessagePopup(): a modal box in plain text, so that
// a message is shown as it stands, never read as markup.
void meldungZeigen(const char *title, const char *message)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title), QString::fromUtf8(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace tk

void TK_DateiauswahlAbfangen(TK_DateiAntwort answer) { tk::dateiAntwort = answer; }

int FileSelectPopup(const char *defaultDirectory, const char *, const char *fileTypeList, const char *title,
                    int, int, int, int allowCancel, int allowMakeDirectory, char *path, std::size_t pathSize)
{
    if (!path || pathSize == 0)
        return TK_FEHLER_ARGUMENT;
    path[0] = '\0';
    if (tk::dateiAntwort)
        return tk::dateiAntwort(title ? title : "", path, pathSize);
    if (!tk::gestartet())
        return TK_FEHLER_NICHT_GESTARTET;

    QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8(title ? title : ""),
                       QString::fromUtf8(defaultDirectory ? defaultDirectory : ""));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog on every desktop: the same look, German texts, and
    // it asks before an existing file is overwritten.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, !allowMakeDirectory);
    QStringList filter;
    if (fileTypeList && *fileTypeList) {
        filter << QString::fromUtf8(fileTypeList);
        // A name typed without an extension gets the one of the file type.
        if (filter[0].startsWith(QLatin1String("*.")))
            dialog.setDefaultSuffix(filter[0].mid(2));
    }
    filter << QStringLiteral("*");
    dialog.setNameFilters(filter);
    int antwort;
    do
        antwort = dialog.exec();
    while (antwort != QDialog::Accepted && !allowCancel);
    if (antwort != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return 0;

    QString gewaehlt = dialog.selectedFiles().constFirst();
    QByteArray bytes = QFile::encodeName(gewaehlt);
    if (static_cast<std::size_t>(bytes.size()) + 1 > pathSize)
        return TK_FEHLER_PFAD_ZU_LANG;  // never a shortened, different name
    bool vorhanden = QFile::exists(gewaehlt);
    TK_TextKopieren(path, pathSize, bytes.constData());
    return vorhanden ? 1 : 2;
}
