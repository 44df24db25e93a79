#pragma once

// Linked into a window program, the probe reports on standard output when the program has
// painted its first frame. BENCH_PROBE chooses what it reports and when the program ends:
//   startup        one line "first-paint <peak RSS kB>", then the program ends at once;
//   memory         lines "<what>\t<kB>": memory at each stage of start-up and where the
//                  resident memory lies at the first paint, then the program ends;
//   idle:<seconds> CPU time and repaint work over that many seconds after the first paint.
// Without BENCH_PROBE the program runs as usual.
