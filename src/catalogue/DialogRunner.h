#pragma once

#include "WindowTools.h"

#include <QDialog>

#include <functional>

// How a modal window is run. The application runs it with exec(); tests hand in a runner
// that drives the window instead, so that no test waits in a modal loop.
using DialogRunner = std::function<int(QDialog &dialog)>;

inline DialogRunner execDialog()
{
    return [](QDialog &dialog) {
        return ExecModal(dialog);
    };
}
