#pragma once
#include "session/SessionWinCtrl.h"

// Shows each question together with its answer.
class PresentationView : public SessionView
{
public:
    using SessionView::SessionView;
    void paint(Win::Canvas& canvas) override;
};

// The presentation session window: nothing is typed, judged or scored.
class PresentationCtrl : public SessionWinCtrl
{
public:
    using SessionWinCtrl::SessionWinCtrl;

protected:
    std::unique_ptr<SessionView> createView() override;
    void onLeaveQuestion() override;
};
