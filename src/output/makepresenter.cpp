#include "app/promptsqt.h"
#include "desktoppresenter.h"
#include "previewwindow.h"

#include <QPointer>

#include <memory>
#include <vector>

namespace {

/// The program's presenter: the desktop's word processor, or the preview
/// window where there is none. Owns the previews still open.
class WordProcessorOrPreview final : public DocumentPresenter
{
public:
    explicit WordProcessorOrPreview(QWidget* previewParent)
        : m_previewParent(previewParent),
          m_desktop(
              m_prompts, [this](const QTextDocument& document) { preview(document); },
              DesktopPresenter::desktopWordProcessor())
    {
    }

    ~WordProcessorOrPreview() override
    {
        for (const QPointer<PreviewWindow>& window : m_previews)
            delete window.data();
    }

    WordProcessorOrPreview(const WordProcessorOrPreview&) = delete;
    WordProcessorOrPreview& operator=(const WordProcessorOrPreview&) = delete;

    Presentation present(const QTextDocument& document, const QString& purpose) override
    {
        return m_desktop.present(document, purpose);
    }

private:
    void preview(const QTextDocument& document)
    {
        std::erase_if(m_previews, [](const QPointer<PreviewWindow>& w) { return w.isNull(); });
        auto* window = new PreviewWindow(m_prompts, document, QString(), m_previewParent);
        m_previews.emplace_back(window);
        window->show();
        window->raise();
    }

    QWidget* m_previewParent;
    QtPrompts m_prompts;
    DesktopPresenter m_desktop;
    std::vector<QPointer<PreviewWindow>> m_previews;
};

} // namespace

std::unique_ptr<DocumentPresenter> makeDesktopPresenter(QWidget* previewParent)
{
    return std::make_unique<WordProcessorOrPreview>(previewParent);
}
