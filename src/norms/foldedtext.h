#pragma once

#include <QString>
#include <QVector>

namespace Norms {

/// A stretch of a text, in the text's own positions.
struct TextSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

/// A text with case and accents folded away ("È" reads as "e", "’" as "'"),
/// remembering where each folded character came from so that a match can be
/// shown in the original.
class FoldedText
{
public:
    explicit FoldedText(const QString& text);

    const QString& folded() const { return m_folded; }

    /// Every occurrence of `needle` (folded the same way), in original positions,
    /// in order and not overlapping. Nothing for an empty needle.
    QVector<TextSpan> findAll(const QString& needle) const;

    /// The text folded for comparison.
    static QString fold(const QString& text);

private:
    TextSpan original(qsizetype foldedStart, qsizetype foldedLength) const;

    qsizetype m_originalLength = 0;
    QString m_folded;
    QVector<qsizetype> m_origin; ///< original position of each folded character
};

} // namespace Norms
