#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "conditions/condition_edit.h"
#include "conditions/condition_file.h"
#include "core/column_set.h"
#include "core/forecast_table.h"
#include "reducir/conditions_run.h"

class ConditionsTable;
class ConditionsWorker;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

// The tab "Condicionar": a file of conditions edited as a table ("Abrir…",
// "Grabar…", "condiciones.txt" beside the bet loaded when it is there),
// "Aplicar" to the bet's columns or to all columns scored by the bet's
// forecast, the figures of lumo-cli filter --explain, and "Usar como
// apuesta", which the window answers by replacing the bet by the columns
// kept.
class ConditionsTab : public QWidget {
    Q_OBJECT
  public:
    // Every column's expected prize (by CColumn::Index()), or null when the
    // tab "Valor" has not calculated it.
    using ValueSource = std::function<const std::vector<double>*()>;

    explicit ConditionsTab(QWidget* parent = nullptr);
    ~ConditionsTab() override;

    // The bet (null: none) and its forecast. When `betFile` is not empty and
    // not the bet the file was last proposed for, "condiciones.txt" of its
    // folder is proposed and loaded when it is there. Forgets the results.
    void SetBet(const lumo::CColumnSet* bet, const std::filesystem::path& betFile,
                const lumo::CForecastTable& forecast);
    void SetValueSource(ValueSource source) { values = std::move(source); }
    // Loads a file of conditions into the table; tells the player why not,
    // naming the line, and changes nothing on failure.
    bool LoadFile(const QString& path);
    bool Applying() const { return applying; }
    // The columns the last "Aplicar" kept, handed over once (null: none).
    std::unique_ptr<lumo::CColumnSet> TakeKept();
    // Says that the bet is now the columns last handed over by TakeKept.
    void ShowKept();

  Q_SIGNALS:
    // "Usar como apuesta" with columns kept.
    void KeepRequested();
    // "Grabar apuesta…".
    void SaveBetRequested();

  private:
    struct Checked {
        lumo::EditedFile edited;
        lumo::ConditionFile file;
    };
    QWidget* EditBox();
    QWidget* ApplyBox();
    // The table as a file read strictly, or nothing after telling the player
    // which row is wrong and that `nothing` was done.
    std::optional<Checked> Check(const QString& nothing);
    void AskToOpen();
    void Save();
    void Apply();
    void Finish(const std::shared_ptr<ConditionsRun>& finished);
    void Forget();

    const lumo::CColumnSet* bet = nullptr;
    lumo::CForecastTable forecast;
    std::filesystem::path proposedFor;
    std::filesystem::path conditionsFile;
    lumo::ConditionFile loaded;
    ValueSource values;
    std::shared_ptr<ConditionsRun> run;
    bool applying = false;
    QString keptText;
    ConditionsWorker* worker;

    QLabel* fileLabel;
    ConditionsTable* table;
    QSpinBox* failuresSpin;
    QCheckBox* allColumnsCheck;
    QPushButton* applyButton;
    QProgressBar* progressBar;
    QTableWidget* explainTable;
    QLabel* summaryLabel;
    QPushButton* useButton;
    QPushButton* saveBetButton;
};
