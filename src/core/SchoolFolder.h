#pragma once
// The school's folder, named once for every workstation by a line Klassenordner= in
// wolf.cfg: brimbelo-klasse keeps there, for each child, an entry that names her log
// folder, and a mark that tells a mounted school folder from an empty mount point.

// Where the school's folder is when wolf.cfg does not name it.
inline constexpr auto DefaultSchoolFolder = "/srv/brimbelo";
inline constexpr auto SchoolFolderKey = "Klassenordner";
// In the school's folder (and, for classes set up before there was one, beside wolf.cfg):
// "konten/<account>" holds a LogFilePath line readable by that account alone.
inline constexpr auto AccountEntriesFolder = "konten";
// Root's file in the school's folder. A child's folder found through the school's folder is
// written only while the mark is there: an empty mount point lacks it.
inline constexpr auto SchoolMarkName = ".brimbelo-schulordner";
