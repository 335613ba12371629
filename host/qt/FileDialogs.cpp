// The real file dialogs behind TOpenDialog, TSaveDialog and the picture dialogs, whose preview
// shows the picture selected beside the file list.

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QRegularExpression>

#include "host/dialogs/Dialogs.h"
#include "host/qt/Translation_p.h"

namespace {
/// A filter entry as Qt reads it: the description, then its patterns in parentheses and
/// separated by blanks (the description's own parenthesised patterns are replaced).
QString QtNameFilter(const TFileFilter& f) {
    QString description = QString::fromStdString(f.Description).trimmed();
    static const QRegularExpression trailing(QStringLiteral("\\s*\\([^()]*\\)$"));
    description.remove(trailing);
    QStringList patterns;
    for (const std::string& p : f.Patterns)
        patterns << QString::fromStdString(p);
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

/// Shows, beside the file list, the picture the selection names.
class TPicturePreview : public QLabel {
public:
    explicit TPicturePreview(QWidget* parent) : QLabel(parent) {
        setObjectName(QStringLiteral("ZkPicturePreview"));
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::StyledPanel);
        setMinimumSize(180, 180);
        ShowFile(QString());
    }
    void ShowFile(const QString& path) {
        QImage image;
        if (!path.isEmpty() && QFileInfo(path).isFile()) {
            QImageReader reader(path);
            reader.setAutoTransform(true);
            image = reader.read();
        }
        if (image.isNull()) {
            setPixmap(QPixmap());
            setText(QStringLiteral("（无预览）"));
            return;
        }
        const QSize room = minimumSize() - QSize(8, 8);
        if (image.width() > room.width() || image.height() > room.height())
            image = image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        setPixmap(QPixmap::fromImage(image));
    }
};
} // namespace

bool TOpenDialog::ShowNative() {
    if (!qApp) return false;
    EnsureQtTranslation();
    const bool save = IsSaveDialog();
    QString title = QString::fromStdString(Title());
    if (title.isEmpty()) title = save ? QStringLiteral("另存为") : QStringLiteral("打开");
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (Options().Contains(ofAllowMultiSelect))
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (Options().Contains(ofFileMustExist))
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    if (save && !Options().Contains(ofOverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!DefaultExt().empty()) {
        QString ext = QString::fromStdString(DefaultExt());
        if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
        dialog.setDefaultSuffix(ext);
    }

    QStringList filters;
    for (const TFileFilter& f : ParseFileFilter(Filter()))
        filters << QtNameFilter(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = FilterIndex() - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    const QFileInfo start(QString::fromStdString(FileName()));
    if (!InitialDir().empty())
        dialog.setDirectory(QString::fromStdString(InitialDir()));
    else if (!FileName().empty() && start.dir().exists())
        dialog.setDirectory(start.dir());
    if (!FileName().empty()) dialog.selectFile(start.fileName());

    if (HasPicturePreview()) {
        auto* preview = new TPicturePreview(&dialog);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
        QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                         [preview](const QString& path) { preview->ShowFile(path); });
    }

    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    Files()->Clear();
    for (const QString& f : chosen)
        Files()->Add(f.toStdString());
    SetFileName(chosen.first().toStdString());
    const int filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    if (filter >= 0) SetFilterIndex(filter + 1);
    return true;
}
