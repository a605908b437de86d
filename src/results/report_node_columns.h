// The node-table columns that only the report prints (slope, soil spring Es*h, distributed
// lateral load), taken from the table of each load case and joined to the nodes of the plot
// file by depth.
#ifndef TAVIK_RESULTS_REPORT_NODE_COLUMNS_H
#define TAVIK_RESULTS_REPORT_NODE_COLUMNS_H

#include <string>

#include "results/results_model.h"

namespace tavik::results {

enum class ReportColumns {
  kRead,      // the report was read; the nodes it prints have their three columns
  kNoReport,  // the report cannot be opened: nothing changed
  kMismatch,  // a table row matches no node of the plot file: `error` names the report line
};

// Reads the report at `report_path`. Each load case's table begins after the head line "for
// Lateral Loading for [LRFD ]Load Case Number c" and is its first run of rows of ten
// numbers (depth, deflection, moment, shear, slope, total stress, EI, soil reaction, Es*h,
// distributed load); the report prints every PrintIncrement-th node, so a row goes to the
// node of case c at its depth (the nearest node, within the rounding of the printed depth).
// Fills slope, soil_spring and distributed_load of those nodes. A report with no tables
// (summary only, stiffness only) changes nothing. A row that matches no node, or a table of
// a case the plot file lacks, gives kMismatch: the report is not that of the plot file's run.
ReportColumns Read_Report_Node_Columns(const std::string& report_path, RunResults& results,
                                       std::string& error);

}  // namespace tavik::results

#endif  // TAVIK_RESULTS_REPORT_NODE_COLUMNS_H
