// Message and file-selection popups.
#include "intern_gui.h"
#include "texte_gui.h"

#include <map>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeView>

namespace {

// The file dialog's sizes and dates in German, whatever the environment's
// locale: Qt's file model formats them in the system's.
class DeutscheAngaben : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        auto *dateien = qobject_cast<QFileSystemModel *>(sourceModel());
        const QModelIndex quelle = mapToSource(index);
        if (role != Qt::DisplayRole || !dateien || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        if (index.column() == 3)
            return QLocale().toString(dateien->lastModified(quelle), QLocale::ShortFormat);
        if (dateien->isDir(quelle))
            return QString();
        return QLocale().formattedDataSize(dateien->size(quelle), 1, QLocale::DataSizeTraditionalFormat);
    }
};

// Icons and types by a file's name alone. Qt's own provider opens a file
// whose name says nothing and reads its first bytes: a file that never
// answers (/proc/kmsg, a pipe, a slow network folder) would hold the window
// for good, since the dialog asks on its own thread.
class SymboleNachNamen : public QFileIconProvider {
public:
    // The icons are made here, on the window's thread: the dialog's own thread only copies them.
    SymboleNachNamen()
        : m_ordner(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
          m_datei(QApplication::style()->standardIcon(QStyle::SP_FileIcon))
    {
    }

    QIcon icon(const QFileInfo &info) const override { return info.isDir() ? m_ordner : m_datei; }
    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);  // folders and the like: by their kind, no reading
        const QMimeType art = m_arten.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return art.comment().isEmpty() ? art.name() : art.comment();
    }

private:
    QIcon m_ordner, m_datei;
    QMimeDatabase m_arten;
};

// Set by TK_DateiauswahlAbfangen(): answers file dialogs in the user's place.
TK_DateiAntwort s_dateiAntwort = nullptr;

// The last file chosen in each kind of dialog (by its title) in this run:
// the next one opens in its folder with its name filled in. Nothing of it
// outlives the run.
std::map<QString, QString> s_zuletzt;

}  // namespace

namespace tk {

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

void TK_DateiauswahlAbfangen(TK_DateiAntwort handler) { s_dateiAntwort = handler; }

int FileSelectPopup(const char *defaultDirectory, const char *, const char *fileTypeList, const char *title,
                    int buttonLabel, int, int, int allowCancel, int allowMakeDirectory, char *path, std::size_t pathSize)
{
    if (!path || pathSize == 0)
        return TK_FEHLER_ARGUMENT;
    path[0] = '\0';
    const QString titel = QString::fromUtf8(title ? title : "");
    if (s_dateiAntwort) {
        const int antwort = s_dateiAntwort(title ? title : "", path, pathSize);
        if (antwort > 0)
            s_zuletzt[titel] = QFile::decodeName(path);
        return antwort;
    }
    if (!tk::gestartet())
        return TK_FEHLER_NICHT_GESTARTET;

    QString ordner = QString::fromUtf8(defaultDirectory ? defaultDirectory : "");
    const auto zuletzt = s_zuletzt.find(titel);
    const bool wieZuletzt = ordner.isEmpty() && zuletzt != s_zuletzt.end();
    SymboleNachNamen symbole;  // outlives the dialog that asks it
    QFileDialog dialog(QApplication::activeWindow(), titel, ordner);
    const bool laden = buttonLabel == TK_KNOPF_LADEN;
    dialog.setAcceptMode(laden ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(laden ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Qt's own dialog on every desktop: the same look, German texts, and
    // it asks before an existing file is overwritten.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, !allowMakeDirectory);
    dialog.setIconProvider(&symbole);
    dialog.setProxyModel(new DeutscheAngaben(&dialog));
    // Large enough for every column, the type included: the name takes the
    // room the others leave.
    dialog.resize(860, 520);
    if (auto *liste = dialog.findChild<QTreeView *>()) {
        liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    // "Kurvendateien (*.txt)" shows as it stands, bare patterns ("*.png;*.svg")
    // as one filter; a name typed without an extension gets the first pattern's.
    QStringList filter;
    if (fileTypeList && *fileTypeList) {
        const QString liste = QString::fromUtf8(fileTypeList);
        filter << (liste.contains(QLatin1Char('('))
                       ? liste
                       : liste.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
        const QRegularExpressionMatch endung = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(liste);
        if (endung.hasMatch())
            dialog.setDefaultSuffix(endung.captured(1));
    }
    filter << QString::fromUtf8(TK_TEXT_ALLE_DATEIEN);
    dialog.setNameFilters(filter);
    // After the filters, which would give a saved name their own ending.
    if (wieZuletzt)
        dialog.selectFile(zuletzt->second);
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
    s_zuletzt[titel] = gewaehlt;
    return vorhanden ? 1 : 2;
}
