#pragma once

#include <QString>
#include <QStringList>

// Short labels for a chart's rounds: the leading words every name shares
// ("Jornada") go to the axis' title, each label keeps the rest ("12"). The
// labels differ, as a bar axis' categories must: a repeated one gets the
// number of its line.
struct RoundLabels {
    QString shared;
    QStringList labels;
};
RoundLabels LabelRounds(const QStringList& names);
