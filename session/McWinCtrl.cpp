#include "session/McWinCtrl.h"

#include "engine/McSession.h"
#include "session/McSessionView.h"

McWinCtrl::McWinCtrl(const Setting& setting, McSession& engine) : QuestionsSessionCtrl(setting, engine), _mc(engine)
{
}

std::unique_ptr<QuestionsSessionView> McWinCtrl::createQuestionsView()
{
    return std::make_unique<McSessionView>(_h, _mc);
}

void McWinCtrl::onNewQuestion()
{
    QuestionsSessionCtrl::onNewQuestion();
    static_cast<McSessionView&>(*_view).showChoices();
}

bool McWinCtrl::OnControl(HWND /*control*/, int id, int code)
{
    if (code == BN_CLICKED && id >= McSessionView::FirstChoiceId &&
        id < McSessionView::FirstChoiceId + McSessionView::MaxChoices)
        pick(id - McSessionView::FirstChoiceId);
    return true;
}

bool McWinCtrl::OnKeyDown(WPARAM key, LPARAM /*keyData*/)
{
    const int idx = McSessionView::choiceOfKey(key);
    if (idx < 0)
        return false;
    pick(idx);
    return true;
}

// A box owned by this window (the wrong answer, the stop question) disables
// it; a key that still arrives then must not pick.
void McWinCtrl::pick(int idx)
{
    if (!_view || !::IsWindowEnabled(_h))
        return;
    auto& view = static_cast<McSessionView&>(*_view);
    if (static_cast<std::size_t>(idx) >= view.getChoiceCount())
        return;
    view.setPicked(static_cast<std::size_t>(idx));
    advance();
}
