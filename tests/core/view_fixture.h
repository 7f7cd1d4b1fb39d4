#pragma once

#include "core/tools/clip_library.h"
#include "core/view/highlight_scheme.h"
#include "core/view/text_view.h"
#include "doc_fixture.h"
#include "support/fake_view_host.h"

#include <algorithm>
#include <memory>

// A view over the document in a window of 100 x 60 cells of 8 x 16 pixels.
class ViewTest : public DocTest {
protected:
    void Show(std::initializer_list<std::string> lines)
    {
        SetLines(lines);
        Start();
    }

    void Start()
    {
        view = std::make_unique<CTextView>(doc, shared, host);
        view->OnInitialUpdate();
        view->OnSize();
        view->OnSetFocus();
        host.painted.clear();
    }

    // What a full paint draws in window row `row`: the text runs of the text
    // area, joined.
    std::string RowText(int row)
    {
        host.painted.clear();
        view->RepaintAll();
        return DrawnText(row);
    }

    std::string DrawnText(int row) const
    {
        std::vector<const PaintCall*> runs;
        for (const PaintCall& call : host.painted)
            if (call.kind == PaintCall::Text && call.y == row * 16 && call.x >= view->PanelWidth() + 5)
                runs.push_back(&call);
        std::sort(runs.begin(), runs.end(), [](auto* a, auto* b) { return a->x < b->x; });
        std::string text;
        for (const PaintCall* call : runs)
            text += call->text;
        return text;
    }

    // Window rows as "line:col" from row 0 on.
    std::string Rows(int count) const
    {
        std::string rows;
        for (int r = 0; r < count; ++r)
            rows += (r ? " " : "") + std::to_string(view->Rows().Line(r)) + ":" + std::to_string(view->Rows().Col(r));
        return rows;
    }

    // A selection with the caret at its moving end.
    void Select(TextPos anchor, TextPos end) { view->Select(anchor, end); }

    // The selection's anchor and moving end; kNowhere without a selection.
    static constexpr TextPos kNowhere{-1, -1};
    TextPos Anchor() const { return view->Selection() ? view->Selection()->first : kNowhere; }
    TextPos SelEnd() const { return view->Selection() ? view->Selection()->second : kNowhere; }
    bool Selected() const { return view->Selection().has_value(); }

    void Resize(int width, int height)
    {
        host.width = width;
        host.height = height;
        view->OnSize();
    }

    FakeViewHost host;
    std::vector<HighlightScheme> schemes{HighlightScheme::PlainText()};
    ClipLibraries clips;
    ViewShared shared{settings, schemes, clips};
    std::unique_ptr<CTextView> view;
};
