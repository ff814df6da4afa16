#include "reducir/round_labels.h"

#include <algorithm>

namespace {

// How many leading words all names share, leaving each at least one word.
qsizetype SharedWords(const QList<QStringList>& words) {
    qsizetype shared = words.front().size() - 1;
    for (const QStringList& name : words) {
        shared = std::min(shared, name.size() - 1);
        for (qsizetype i = 0; i < shared; ++i) {
            if (name[i] != words.front()[i]) {
                shared = i;
            }
        }
    }
    return std::max<qsizetype>(shared, 0);
}

}  // namespace

RoundLabels LabelRounds(const QStringList& names) {
    RoundLabels result;
    if (names.isEmpty()) {
        return result;
    }
    QList<QStringList> words;
    for (const QString& name : names) {
        words << name.split(u' ', Qt::SkipEmptyParts);
    }
    const qsizetype shared = SharedWords(words);
    result.shared = words.front().mid(0, shared).join(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString label = words[i].mid(shared).join(u' ');
        result.labels << (result.labels.contains(label)
                              ? QStringLiteral("%1 (línea %2)").arg(label).arg(i + 1)
                              : label);
    }
    return result;
}
