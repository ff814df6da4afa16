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
    // Whether what would replace the reduction may go on: true when there
    // is none or it was saved; otherwise the player is asked to save it
    // ("Grabar", then true once saved), drop it ("Descartar") or stay
    // ("Cancelar", false).
    bool MayDiscardReduction();

  Q_SIGNALS:
    // A reduction finished or was forgotten (null).
    void ReductionChanged(const lumo::CColumnSet* reduction);
    // The reduction was saved in `path`.
    void Saved(const QString& path);

  private:
    // A reduction on show, and whether it is in a file.
    struct ShownRun {
        std::unique_ptr<ReductionRun> run;
        bool saved = false;
    };

    void Start();
    void Cancel();
    void Finish(const std::shared_ptr<ReductionRun>& run);
    // Asks for a name and saves the reduction; whether it was saved.
    bool Save();
    void Copy();
    void ParkFocus();
    void ShowResult();

    const lumo::CColumnSet* bet = nullptr;
    std::filesystem::path betFile;
    std::int64_t priceCents;
    ShownRun result;
    // The reduction shown before the one running, back if that one stops
    // without a result.
    ShownRun previous;
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
