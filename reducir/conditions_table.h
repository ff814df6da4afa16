#pragma once

#include <QTableWidget>
#include <vector>

#include "conditions/condition_edit.h"
#include "conditions/condition_file.h"

// The conditions of the tab "Condicionar", one a row: the keyword (a
// combo), its arguments (the sign of a run, the matches and signs of a
// group, a base column), the bounds and whether it counts for the failures
// (unchecked: written with '!'). A row keeps the line of the loaded file it
// came from, so that saving rewrites only what changed.
class ConditionsTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit ConditionsTable(QWidget* parent = nullptr);

    // One row per condition of the file, in its order.
    void Fill(const lumo::ConditionFile& file);
    // A new row "unos 0-14", counted, selected.
    void AddRow();
    // Removes the current row, if any.
    void RemoveCurrentRow();
    // The rows as text for EditConditions, in their order.
    std::vector<lumo::EditedCondition> Edited() const;
    // Makes the rows' lines those of the saved file (EditedFile's).
    void SetLines(const std::vector<std::int64_t>& lines);

  private:
    void AppendRow(const lumo::ConditionParts& parts, std::int64_t line);
    QString Cell(int row, int column) const;
};
