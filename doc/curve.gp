# gnuplot -c doc/curve.gp sqrt.txt > doc/curve.svg
set terminal svg size 640,400 font "sans,12" background "white"
set title "sqrt.txt: entry i is 20 × log10(√i) × 4.15555, rounded"
set xlabel "index i"
set ylabel "entry"
set xrange [0:254]
set yrange [0:100]
set xtics (0, 32, 64, 96, 128, 160, 192, 224, 254)
set ytics 0,10
set grid
set key off
# One field a line, numbered from 0; entry 0, -inf, cannot be drawn.
plot '< tr , "\n" < ' . ARG1 using 0:1 with points pt 7 ps 0.4 lc "#1f6feb"
