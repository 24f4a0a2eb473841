#!/usr/bin/env python3
"""Applies one-line mutations to core sources one at a time, rebuilds core_tests, runs it and
puts the source back; prints which mutations the tests killed.

    python3 tools/mutation_sample.py [BUILD_DIR] [--list FILE]

Each mutation is `path | original text | replacement` (the original must occur exactly once
in the file). Not part of the test command: it rebuilds once per mutation.
"""
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

# Changes of the kind developers make: a comparison off by one, a dropped condition, a constant
# one off, the wrong one of two similar helpers.
MUTATIONS = [
    ("src/core/print/ticket_print.cpp", "if (ticketCount < 10) return", "if (ticketCount <= 10) return"),
    ("src/core/print/ticket_print.cpp", "if (ticketCount < 1000) return", "if (ticketCount < 999) return"),
    ("src/core/entry/draw_entry.cpp", "if (g.numbersDrawn < 6)", "if (g.numbersDrawn <= 6)"),
    ("src/core/entry/draw_entry.cpp", "g.numbersDrawn = std::clamp(g.numbersDrawn, 1, kMaxNumbersOnTicket);",
     "g.numbersDrawn = std::clamp(g.numbersDrawn, 1, kMaxNumbersOnTicket + 1);"),
    ("src/core/database/draw_parser.cpp", "constexpr std::size_t kShortestLine = 7;", "constexpr std::size_t kShortestLine = 8;"),
    ("src/core/entry/calendar.cpp", "if (month < 1 || month > 12) return;", "if (month < 1 || month >= 12) return;"),
    ("src/core/tickets/matching.cpp", "if (isBonusHitAmongBonus(b, draw)) ++t.bonusHits[slot];",
     "if (isBonusHit(b, draw)) ++t.bonusHits[slot];"),
    ("src/core/tickets/matching.cpp", "if (slot < 0 || slot >= int(kTallySize)) continue;",
     "if (slot < 1 || slot >= int(kTallySize)) continue;"),
    ("src/core/database/database_attributes.cpp", "numbersOnTicket_ = std::clamp(n, 1, kMaxNumbersOnTicket);",
     "numbersOnTicket_ = std::clamp(n, 1, kMaxNumbersOnTicket - 1);"),
    ("src/core/database/database_attributes.cpp", "numbersInLotto_ = std::clamp(n, 1, kMaxNumbersInLotto);",
     "numbersInLotto_ = std::clamp(n, 0, kMaxNumbersInLotto);"),
    ("src/core/util/text.cpp", "constexpr int kMaxWidth = 99;", "constexpr int kMaxWidth = 98;"),
    ("src/core/options/settings.cpp", "if (line.size() < kShortestLine) break;", "if (line.size() <= kShortestLine) break;"),
    ("src/core/database/draw_database.cpp", "if (!entries_.empty() && data->size() < needed)",
     "if (!entries_.empty() && data->size() <= needed)"),
    ("src/core/sound/wave_file.cpp", "format.channels >= 1 && format.channels <= 8", "format.channels >= 1 && format.channels < 8"),
    ("src/core/sound/wave_file.cpp", "if (size < 16 || head.size() - (at + 8) < 16) return false;",
     "if (head.size() - (at + 8) < 16) return false;"),
    ("src/core/view/ticket_view.cpp", "if (mainHits >= 5) return Rgb{255, 0, 0};", "if (mainHits > 5) return Rgb{255, 0, 0};"),
    ("src/core/view/database_view.cpp", "if (level <= 0) return std::nullopt;", "if (level < 0) return std::nullopt;"),
    ("src/core/view/ticket_view.cpp", "c.numbersX = c.labelX + c.labelWidth + 2 * cw;", "c.numbersX = c.labelX + c.labelWidth + cw;"),
    ("src/core/wheels/wheel_info.cpp", "if (wheel.numbersPerTicket < 1 || wheel.numbersPerTicket > kMaxNumbersOnTicket ||",
     "if (wheel.numbersPerTicket < 1 || wheel.numbersPerTicket >= kMaxNumbersOnTicket ||"),
    ("src/core/options/settings.cpp", "if (seen++ == usable && usable < kLineCount && line.size() >= kShortestLine) ++usable;",
     "if (usable < kLineCount && line.size() >= kShortestLine) ++usable;"),
]


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, capture_output=True, text=True, **kw)


def main():
    build = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build/release"
    killed = survived = 0
    for path, old, new in MUTATIONS:
        source = ROOT / path
        text = source.read_text()
        if text.count(old) != 1:
            print(f"SKIPPED  {path}: the original text is not there once: {old}")
            continue
        source.write_text(text.replace(old, new))
        try:
            built = run(["cmake", "--build", str(build), "-j2", "--target", "core_tests"])
            if built.returncode != 0:
                print(f"NO BUILD {path}: {new}")
                continue
            try:
                tests = run([str(build / "bin/core_tests"), "--gtest_brief=1"], timeout=600)
                dead = tests.returncode != 0
            except subprocess.TimeoutExpired:
                dead = True
            if dead:
                killed += 1
            else:
                survived += 1
            print(f"{'killed  ' if dead else 'SURVIVED'} {path}: {new}", flush=True)
        finally:
            source.write_text(text)
    total = killed + survived
    print(f"{killed} of {total} killed ({100 * killed // max(total, 1)} %)")
    run(["cmake", "--build", str(build), "-j2", "--target", "core_tests"])


if __name__ == "__main__":
    main()
