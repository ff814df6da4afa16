#pragma once

class QChart;

// Makes a chart take little room around its plot, so that the tabs fit a
// laptop's screen: narrow margins, small title, legend and axis labels; its
// numbers are written the Spanish way.
// Call it after the axes are added.
void MakeCompact(QChart& chart);
