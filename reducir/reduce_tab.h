#pragma once

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/column_set.h"
#include "reducir/reduction_run.h"

class ReductionWorker;

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
// The tab "Reducir": the guarantee and the time to improve, the reduction
// run by a ReductionWorker with a progress bar and "Cancelar", its result
// (columns, cost, time, lower bound, the check), and "Grabar" and "Copiar".
class ReduceTab : public QWidget {
    Q_OBJECT
  public:
    explicit ReduceTab(QWidget* parent = nullptr);

    // The bet to reduce (null: none) and its file, for the proposed name.
    // Stops a running reduction and forgets the last result.
    void SetBet(const lumo::CColumnSet* bet, const std::filesystem::path& file);
    void SetPrice(std::int64_t cents);
    // The last complete reduction, or null.
    const lumo::CColumnSet* Reduction() const;
    bool Running() const;

  Q_SIGNALS:
    // A reduction finished or was forgotten (null).
    void ReductionChanged(const lumo::CColumnSet* reduction);

  private:
    void Start();
    void Cancel();
    void Finish(const std::shared_ptr<ReductionRun>& run);
    void Save();
    void Copy();
    void ParkFocus();
    void ShowResult();

    const lumo::CColumnSet* bet = nullptr;
    std::filesystem::path betFile;
    std::int64_t priceCents;
    std::unique_ptr<ReductionRun> result;
    std::int32_t resultGuarantee = 0;
    ReductionWorker* worker;

    QComboBox* guaranteeBox;
    QSpinBox* optimiseBox;
    QPushButton* reduceButton;
    QPushButton* cancelButton;
    QProgressBar* progressBar;
    QLabel* keptLabel;
    QLabel* reductionCostLabel;
    QLabel* tookLabel;
    QLabel* lowerBoundLabel;
    QLabel* checkLabel;
    QPushButton* saveButton;
    QPushButton* copyButton;
};
