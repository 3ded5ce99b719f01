// Shared helpers of the macro-model tests: a scratch folder and a sample macro.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include "host/macro_model.h"
#include "host/zk_string.h"
#include "testing/scratch_folder.h"
#include "win/paths.h"


inline const wchar_t* const kSampleMacro = LR"(Macro version 1.0
# an end plate with a bolt group
macro EndPlate
caption "End plate connection"
genvar gen_Gap 10
genvar gen_Count 3
baseprofile section=HEA-HEA200 material=S235
baseprofile section="IPE-IPE 300" material=S355
module Plate class=233 group=Plates
  var Width 200 dialog=1 editable=1 button=flexible
  var Height 300.5 dialog=0 editable=1
  var Thick 12 dialog=1 editable=0 button=fixed
  cut SideCut CutOffset=10 CutRadius=5
  placement Pl1 group=Web section=PL-PL10 material=S235 member=Web1
  placement Pl2 group=Web section=PL-PL10 material=S355 member=Web1
module Bolts class=232 group=Plates
  var Width 180
  pattern P1 class=282 bolts1=2 bolts2=3 reverse1=0 reverse2=1
  pattern P2 class=281 bolts1=4
module Stiffener class=0
  var Length 50
tab Plates kind=1 template=EndPlate
  bolts diameter=20 holeoffset=2 assembly=M20
  cell Width value=200 caption="Plate width"
)";
