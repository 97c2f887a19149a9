#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;
struct AppContext;

// frm바탕화면, "배경화면 선택": a drive, a folder and a picture file with a preview; the
// chosen picture becomes the main window's background and is remembered.
class FrmBackground : public QDialog
{
    Q_OBJECT
public:
    // Puts the picture on the main window; false when it cannot be shown.
    using ApplyBackground = std::function<bool(const QString &path)>;

    FrmBackground(AppContext &context, ApplyBackground apply, QWidget *parent = nullptr);

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // Clicks a file of the list, as the user does; false when it is not listed.
    bool clickFile(const QString &fileName);
    QString previewedFile() const { return m_previewed; }

    static QStringList pictureFilters();

private:
    void driveChanged(int index);
    void fileClicked();
    void choose();

    AppContext &m_context;
    ApplyBackground m_apply;
    QComboBox *m_drives;
    QTreeView *m_dirs;
    QFileSystemModel *m_dirModel;
    QListWidget *m_files;
    QLabel *m_preview;
    QString m_folder;
    QString m_previewed; // the file shown in the preview, "" when none
};
