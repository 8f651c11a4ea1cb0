#include "core/cUI.h"

#include "core/ShellFrame.h"

void cUI::UpdateProgressBar(int percent)
{
    ShowProgress(percent);
    processEvents();
}

void cUI::ShowProgress(int percent)
{
    if (m_frame)
        m_frame->setProgress(percent);
}

void cUI::ShowStatusMessage(const QString& text)
{
    if (m_frame)
        m_frame->setStatusPanel(ShellFrame::MessagePanel, text);
}
