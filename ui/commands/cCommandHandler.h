#pragma once

// What every group of the window's commands works with: the window it runs
// in (its views, dialogs and hooks) and the window's document.

#include "ui/window/CMainFrame.h"

class cCommandHandler
{
public:
    explicit cCommandHandler(CMainFrame& frame)
        : m_frame(frame)
        , m_doc(frame.Document())
    {
    }
    cCommandHandler(const cCommandHandler&) = delete;
    cCommandHandler& operator=(const cCommandHandler&) = delete;

protected:
    ~cCommandHandler() = default;

    CMainFrame& m_frame;
    CTournelDoc& m_doc; // the frame's
};
