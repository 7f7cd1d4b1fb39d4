#include "core/doc/document_base.h"

#include <algorithm>

bool DocumentBase::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

void DocumentBase::AddView(DocumentView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void DocumentBase::RemoveView(DocumentView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void DocumentBase::UpdateAllViews(DocumentView* sender, int hint)
{
    for (DocumentView* view : m_views)
        if (view != sender)
            view->OnUpdate(sender, hint);
}
