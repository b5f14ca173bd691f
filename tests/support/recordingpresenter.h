#pragma once

#include "output/documentpresenter.h"

#include <QTextDocument>
#include <memory>
#include <vector>

/// Keeps a copy of every document the program shows, for tests to read.
class RecordingPresenter final : public DocumentPresenter
{
public:
    /// Keeps a copy and answers with `outcome`.
    Presentation present(const QTextDocument& document, const QString& purpose) override;

    /// Where the documents are said to go: the preview unless a test says otherwise.
    Presentation outcome{Presentation::Place::Preview, {}};

    int count() const { return static_cast<int>(m_documents.size()); }
    const QTextDocument* last() const
    {
        return m_documents.empty() ? nullptr : m_documents.back().get();
    }
    const QTextDocument* at(int i) const
    {
        return m_documents.at(static_cast<std::size_t>(i)).get();
    }
    QString lastPurpose() const { return m_purposes.empty() ? QString() : m_purposes.back(); }

private:
    std::vector<std::unique_ptr<QTextDocument>> m_documents;
    std::vector<QString> m_purposes;
};
