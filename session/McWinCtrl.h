#pragma once
#include "session/QuestionsSessionCtrl.h"

class McSession;

// The multiple-choice session window: a choice is picked by a click on its
// button or by its number key, and picking moves on as Next does.
class McWinCtrl : public QuestionsSessionCtrl
{
public:
    McWinCtrl(const Setting& setting, McSession& engine);

    bool OnControl(HWND control, int id, int code) override;
    bool OnKeyDown(WPARAM key, LPARAM keyData) override;

protected:
    std::unique_ptr<QuestionsSessionView> createQuestionsView() override;
    void onNewQuestion() override;

private:
    void pick(int idx);

    McSession& _mc;
};
