#pragma once

#include <QMainWindow>
#include <memory>

#include "reducir/bet_opening.h"

class BetSummary;
class ConditionsTab;
class QMenu;
class QTabWidget;
class ReduceTab;
class ScrutinyTab;
class StatsTab;
class ValueTab;

// The window of Lumo Reducir: the bet at a glance above five tabs,
// "Reducir", "Escrutar", "Estadística", "Valor" and "Condicionar". A bet is
// opened from the menu or the toolbar, by dropping its file on the window,
// or as the program's argument; "Valor" may replace it by its columns of
// most value and "Condicionar" by the columns its conditions keep, a bet not
// yet saved.
class ReducirWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit ReducirWindow(QWidget* parent = nullptr);
    ~ReducirWindow() override;

    // Opens the bet file; on failure tells the player why, naming the line,
    // and keeps the bet open before. Returns whether it was opened.
    bool OpenBetFile(const QString& path);
    // Scores the open bet with another forecast file, read strictly; on
    // failure tells the player why and changes nothing. Forgets the
    // reduction, whose choices followed the old scores, once the player
    // lets it go (ReduceTab::MayDiscardReduction). Opening a bet likewise.
    bool UseForecastFile(const QString& path);

    const OpenedBet* Bet() const { return bet.get(); }
    ReduceTab& Reduction() const { return *reduceTab; }
    ScrutinyTab& Scrutiny() const { return *scrutinyTab; }
    StatsTab& Stats() const { return *statsTab; }
    ValueTab& Value() const { return *valueTab; }
    ConditionsTab& Conditions() const { return *conditionsTab; }

  protected:
    // Asks before an unsaved reduction goes with the window.
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void AskForBet();
    void AskForForecast();
    // "Acerca de Lumo Reducir": the version, the licence and the manual page.
    void ShowAbout();
    // Fills the menu with the bets opened last, each opening its file.
    void ListRecentBets(QMenu& menu);
    // Whether the player lets the repeated columns of the bet just opened go.
    bool AskToDropRepeats(std::int32_t repeated);
    // The open bet's file; empty with none.
    std::filesystem::path BetFile() const;
    // Hands the open bet to every part of the window.
    void ShowBet();
    void ShowReduction(const lumo::CColumnSet* reduction);
    // Replaces the bet by its columns worth at least `euros` (the value
    // tab's report), once the player lets the reduction go.
    void KeepValuable(double euros);
    // Replaces the bet by the columns the conditions tab kept, once the
    // player lets the reduction go.
    void KeepConditioned();
    // Makes `columns`, scored like the bet, the bet not yet saved, proposed
    // as "apuesta<suffix>.txt" beside it; the reduction must be let go.
    void ReplaceBet(std::unique_ptr<lumo::CColumnSet> columns, const std::string& suffix);
    // Asks for a name and saves the bet's columns; whether they were saved.
    bool SaveBet();
    // Whether the open bet may go: true unless it is not saved and the
    // player keeps it ("Cancelar") or does not save it after all.
    bool MayDiscardBet();

    std::unique_ptr<OpenedBet> bet;
    BetSummary* summary;
    QTabWidget* tabs;
    ReduceTab* reduceTab;
    ScrutinyTab* scrutinyTab;
    StatsTab* statsTab;
    ValueTab* valueTab;
    ConditionsTab* conditionsTab;
};

// "apuesta.txt — Lumo Reducir", or "Lumo Reducir" with no bet open; the
// bet's folder follows its name when a recent bet of that name is elsewhere,
// and "(sin grabar)" when its columns are not in its file yet.
QString WindowTitleFor(const OpenedBet* bet);
