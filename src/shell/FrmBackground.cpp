#include "FrmBackground.h"

#include "AppContext.h"
#include "Prompter.h"
#include "Session.h"
#include "Settings.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QSize kPreviewSize(260, 195);
}

FrmBackground::FrmBackground(AppContext &context, ApplyBackground apply, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_apply(std::move(apply))
    , m_drives(new QComboBox(this))
    , m_dirs(new QTreeView(this))
    , m_dirModel(new QFileSystemModel(this))
    , m_files(new QListWidget(this))
    , m_preview(new QLabel(this))
{
    setObjectName(QStringLiteral("frm바탕화면"));
    setWindowTitle(QStringLiteral("배경화면 선택"));
    setProperty("placeAt", QPoint(0, 0));

    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_dirs->setObjectName(QStringLiteral("Dir1"));
    m_files->setObjectName(QStringLiteral("File1"));
    m_preview->setObjectName(QStringLiteral("Image1"));

    for (const QFileInfo &drive : QDir::drives())
        m_drives->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                          drive.absoluteFilePath());

    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_dirModel->setRootPath(QString());
    m_dirs->setModel(m_dirModel);
    for (int column = 1; column < m_dirModel->columnCount(); ++column)
        m_dirs->hideColumn(column);
    m_dirs->header()->hide();
    m_dirs->setMinimumSize(220, 260);

    m_files->setMinimumSize(200, 260);
    m_preview->setFixedSize(kPreviewSize);
    m_preview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setStyleSheet(QStringLiteral("QLabel { background: rgb(5, 126, 128); }"));

    auto *choose = new QPushButton(QStringLiteral("선택(&S)"), this);
    choose->setObjectName(QStringLiteral("vaBtn1"));
    auto *close = new QPushButton(QStringLiteral("닫기(&X)"), this);
    close->setObjectName(QStringLiteral("vaBtn2"));
    for (QPushButton *button : {choose, close})
        button->setAutoDefault(false);

    auto *driveLabel = new QLabel(QStringLiteral("드라이브"), this);
    driveLabel->setBuddy(m_drives);
    auto *dirLabel = new QLabel(QStringLiteral("폴더"), this);
    dirLabel->setBuddy(m_dirs);
    auto *fileLabel = new QLabel(QStringLiteral("그림 화일"), this);
    fileLabel->setBuddy(m_files);
    auto *previewLabel = new QLabel(QStringLiteral("미리보기"), this);

    auto *grid = new QGridLayout;
    grid->addWidget(driveLabel, 0, 0);
    grid->addWidget(m_drives, 1, 0);
    grid->addWidget(dirLabel, 2, 0);
    grid->addWidget(m_dirs, 3, 0);
    grid->addWidget(fileLabel, 2, 1);
    grid->addWidget(m_files, 3, 1);
    grid->addWidget(previewLabel, 2, 2);
    grid->addWidget(m_preview, 3, 2, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(choose);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(m_drives, m_dirs);
    setTabOrder(m_dirs, m_files);
    setTabOrder(m_files, choose);
    setTabOrder(choose, close);

    connect(m_drives, &QComboBox::activated, this, &FrmBackground::driveChanged);
    connect(m_dirs, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { setFolder(m_dirModel->filePath(index)); });
    // Folders are read in the background; the current one is shown once its branch is in.
    connect(m_dirModel, &QFileSystemModel::directoryLoaded, this, [this] {
        m_dirs->scrollTo(m_dirs->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(m_files, &QListWidget::itemClicked, this, &FrmBackground::fileClicked);
    connect(choose, &QPushButton::clicked, this, &FrmBackground::choose);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // The shop's data folder is where the older program looked first.
    setFolder(m_context.session.paths.root);
    m_context.session.setHelpLine(
            QStringLiteral("도움말 =  폴더와 그림 화일을 고른 뒤 선택 : 배경화면 변경"));
}

QStringList FrmBackground::pictureFilters()
{
    return {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.bmp"),
            QStringLiteral("*.png"), QStringLiteral("*.gif")};
}

void FrmBackground::setFolder(const QString &folder)
{
    QDir dir(folder);
    m_folder = dir.absolutePath();
    const QString drivePath = QDir(m_folder).rootPath();
    for (int i = 0; i < m_drives->count(); ++i) {
        if (m_drives->itemData(i).toString().compare(drivePath, Qt::CaseInsensitive) == 0)
            m_drives->setCurrentIndex(i);
    }
    const QModelIndex index = m_dirModel->index(m_folder);
    m_dirs->setCurrentIndex(index);
    m_dirs->scrollTo(index);
    m_dirs->expand(index);

    m_files->clear();
    dir.setNameFilters(pictureFilters());
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    m_files->addItems(dir.entryList());
    m_previewed.clear();
    m_preview->clear();
}

void FrmBackground::driveChanged(int index)
{
    setFolder(m_drives->itemData(index).toString());
}

bool FrmBackground::clickFile(const QString &fileName)
{
    const auto items = m_files->findItems(fileName, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    m_files->setCurrentItem(items.first());
    fileClicked();
    return true;
}

void FrmBackground::fileClicked()
{
    const QListWidgetItem *item = m_files->currentItem();
    if (!item)
        return;
    const QString path = QDir(m_folder).filePath(item->text());
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    // A file that is no picture is ignored; the preview keeps what it showed.
    if (image.isNull())
        return;
    m_previewed = path;
    m_preview->setPixmap(QPixmap::fromImage(image.scaled(
            kPreviewSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void FrmBackground::choose()
{
    Prompter &prompter = m_context.prompter;
    if (m_previewed.isEmpty()) {
        ShowMsg(prompter, QStringLiteral("배경화면으로 할 그림 화일을 선택하여 주십시오."));
        return;
    }
    const QString path = QDir::toNativeSeparators(m_previewed);
    if (m_apply && !m_apply(m_previewed)) {
        prompter.message(QStringLiteral("바탕화면으로 지정된 ") + path
                                 + QStringLiteral(" 화일이 없거나 손상되었습니다!"),
                         QStringLiteral("바탕화면 없슴"), MsgIcon::Critical);
        return;
    }
    m_context.settings.setBackgroundPicture(path);
    prompter.message(QStringLiteral("바탕화면이 변경되었습니다!"), QStringLiteral("변경완료"),
                     MsgIcon::None);
}
