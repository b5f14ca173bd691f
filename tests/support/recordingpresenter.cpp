#include "recordingpresenter.h"

Presentation RecordingPresenter::present(const QTextDocument& document, const QString& purpose)
{
    m_documents.emplace_back(document.clone());
    m_purposes.push_back(purpose);
    return outcome;
}
