# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# The same picture the program draws for six roots, for comparison: fixed
# ranges, six points, in a gnuplot window as large as the program's. The
# terminal is Qt's unless the command line names another:
#   gnuplot -e "terminal='x11'" six_roots.gp
if (!exists("terminal")) terminal = "qt"
eval sprintf('set terminal %s size 793,452 title "Roots"', terminal)
set xrange [-4:1]
set yrange [-2:2]
set xzeroaxis
set yzeroaxis
$roots << EOD
-1 1 p1
-0.5 -1.25 p2
-3.75 0 p3
0.5 1.5 p4
-2 -0.75 p5
-2.5 1.8 p6
EOD
plot $roots using 1:2 with points pointtype 3 linecolor rgb "green" title "Roots", \
     $roots using 1:2:3 with labels offset 1,1 notitle
pause mouse close
