#pragma once

#include <array>

// The identifiers of the main dialog's numbered controls, as its layout
// (dialog_template.cpp) gives them; a control's objectName is its decimal
// identifier (ControlById, platform/dialog_builder.h finds it).

// Steps 1 to 6 and the bet file buttons.
inline constexpr int kOpenBetButton = 1001;
inline constexpr int kForecastList = 1002;
inline constexpr int kCopyBetButton = 1003;
inline constexpr int kMagicReductionButton = 1011;
inline constexpr int kProgressBar = 1014;
inline constexpr int kMaxVariantsEdit = 1032;
inline constexpr int kMinVariantsEdit = 1033;
inline constexpr int kSortByScoreButton = 1036;
inline constexpr int kCutBelowButton = 1038;
inline constexpr int kCutAboveButton = 1040;
inline constexpr int kReduce1Button = 1041;
inline constexpr int kReduce2Button = 1043;
inline constexpr int kReduce3Button = 1044;
inline constexpr int kReduce4Button = 1045;
inline constexpr int kColumnList = 1046;
inline constexpr int kReduce5Button = 1048;
inline constexpr int kReduce0Button = 1050;
inline constexpr int kConditionButton = 1052;
inline constexpr int kGenerateAllButton = 1053;
inline constexpr int kMinDosesEdit = 1054;
inline constexpr int kMaxDosesEdit = 1055;
inline constexpr int kCutBelowEdit = 1056;
inline constexpr int kRemoveZeroPercentButton = 1057;
inline constexpr int kStepNumeral1 = 1058;
inline constexpr int kCountText = 1059;
inline constexpr int kStepNumeral2 = 1060;
inline constexpr int kStepNumeral3 = 1061;
inline constexpr int kStepNumeral4 = 1062;
inline constexpr int kReduce6Button = 1063;
inline constexpr int kStepNumeral5 = 1064;
inline constexpr int kStepNumeral6 = 1065;
inline constexpr int kReduce7Button = 1066;
inline constexpr int kReduce8Button = 1067;
inline constexpr int kCutAboveEdit = 1068;
inline constexpr int kCreditText = 1081;
inline constexpr int kSaveBetButton = 1082;
inline constexpr int kHyperLinkControl = 1083;

// The hidden tools.
inline constexpr int kRandomColumnsButton = 1004;
inline constexpr int kRandomCountEdit = 1005;
inline constexpr int kBetSharesList = 1006;
inline constexpr int kExpectationList = 1007;
inline constexpr int kConsolidateMarkedButton = 1013;
inline constexpr int kAddColumnEdit = 1028;
inline constexpr int kAddColumnButton = 1029;
inline constexpr int kWinnerButton = 1030;
inline constexpr int kWinnerEdit = 1031;
inline constexpr int kGreedy2Button = 1034;
inline constexpr int kStatusText = 1035;
inline constexpr int kAddNeighboursButton = 1037;
inline constexpr int kGreedy1Button = 1039;
inline constexpr int kDeleteMarkedButton = 1042;
inline constexpr int kRescoreButton = 1047;
inline constexpr int kDeleteAllButton = 1049;
inline constexpr int kNoCommandButton = 1051;  // "A": raises nothing
inline constexpr int kAverageModeCheck = 1069;
inline constexpr int kMakeUniverseButton = 1070;
inline constexpr int kAddNeighbours2Button = 1071;
inline constexpr int kGreedy6Button = 1072;
inline constexpr int kGreedy3Button = 1073;
inline constexpr int kGreedy4Button = 1074;
inline constexpr int kGreedy5Button = 1075;
inline constexpr int kCoveredEdit = 1076;
inline constexpr int kImportButton = 1077;
inline constexpr int kProfitableButton = 1078;
inline constexpr int kUniverseCountEdit = 1079;
inline constexpr int kSwapUniverseButton = 1080;

struct DistanceButton {
    int id;
    int distance;
};

// The step 5 funnels with the distance each reduces by, 0 to 8.
inline constexpr std::array<DistanceButton, 9> kReduceButtons{{
    {kReduce0Button, 0},
    {kReduce1Button, 1},
    {kReduce2Button, 2},
    {kReduce3Button, 3},
    {kReduce4Button, 4},
    {kReduce5Button, 5},
    {kReduce6Button, 6},
    {kReduce7Button, 7},
    {kReduce8Button, 8},
}};

// The hidden greedy covering steps with their distances, 1 to 6.
inline constexpr std::array<DistanceButton, 6> kGreedyButtons{{
    {kGreedy1Button, 1},
    {kGreedy2Button, 2},
    {kGreedy3Button, 3},
    {kGreedy4Button, 4},
    {kGreedy5Button, 5},
    {kGreedy6Button, 6},
}};
