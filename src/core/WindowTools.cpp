#include "WindowTools.h"

#include <QApplication>
#include <QDialog>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace {

bool sameName(const QWidget *w, const QString &name)
{
    return w->objectName().compare(name, Qt::CaseInsensitive) == 0;
}

bool holdsWindowNamed(const QWidget *w, const QString &name)
{
    if (sameName(w, name))
        return true;
    const auto children = w->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (child->isWindow() || qobject_cast<const QMdiSubWindow *>(child)) {
            if (sameName(child, name))
                return true;
        }
        if (auto *sub = qobject_cast<const QMdiSubWindow *>(child);
            sub && sub->widget() && sameName(sub->widget(), name)) {
            return true;
        }
    }
    return false;
}

} // namespace

void UnloadAllBut(const QString &windowName)
{
    if (windowName.isEmpty())
        return;
    QList<QPointer<QWidget>> toClose;
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget *top : tops) {
        if (!top->isVisible())
            continue;
        const auto areas = top->findChildren<QMdiArea *>();
        for (QMdiArea *area : areas) {
            const auto subs = area->subWindowList();
            for (QMdiSubWindow *sub : subs) {
                const QWidget *content = sub->widget();
                if (!sameName(sub, windowName) && !(content && sameName(content, windowName)))
                    toClose << sub;
            }
        }
        if (!holdsWindowNamed(top, windowName))
            toClose << top;
    }
    for (const QPointer<QWidget> &w : toClose) {
        if (w)
            w->close();
    }
}

void OpenByShell(QWidget *window, const QString &target)
{
    Q_UNUSED(window);
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                               : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

void RemoveCloseMenu(QWidget *window)
{
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowCloseButtonHint, false);
    if (visible)
        window->show(); // changing the flags hides a window
}

int ExecModal(QDialog &dialog)
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = dialog.exec();
    if (previous && previous->isVisible()) {
        previous->activateWindow();
        previous->raise();
    }
    return result;
}
