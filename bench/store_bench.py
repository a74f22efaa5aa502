#!/usr/bin/env python3
"""Benchmark of the pattern-data store: generates the inputs and prints medians.

  store_bench.py generate DIR   writes DIR/large.txt (about 38,000 records),
                                DIR/typical.txt (the bundled sample boring) and
                                DIR/old-patdat (the sample's tables grown as in an
                                office of many years: a 16,000-line dictionary, an
                                extension list of 1,900 new codes, and 4,000-line
                                L13.TXT to L17.TXT)
  store_bench.py measure DIR PROGRAM [RUNS]
                                converts each case RUNS times (default 5), each
                                time on a fresh copy of its pattern-data folder
                                on /dev/shm, and prints the median CPU times and
                                their ratios: the large source against iconv and
                                against bench_floor (beside PROGRAM, in bench/),
                                the typical boring on old against fresh tables
                                and against --version, --version against
                                /bin/true
"""
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLES = os.path.join(ROOT, "samples")

SOILS = ["盛土", "砂質シルト", "有機質粘土", "貝殻混じり細砂", "礫混じり砂", "玉石混じり砂礫",
         "強風化花崗岩", "風化花崗岩", "シルト質粘土", "砂質粘土", "粘土", "シルト"]
COLOURS = ["暗褐～灰褐", "暗灰", "暗緑灰～暗灰", "灰褐", "黄褐～褐灰", "淡褐～灰白"]
DENSITIES = ["緩い", "中位の", "緩い～中位の", "密な～非常に密な", "@"]
STIFFNESS = ["軟らかい", "非常に軟らかい～軟らかい", "中位", "@"]
WATER = ["多い", "非常に多い", "少ない", "中位"]
MIXTURES = ["炭化物", "腐植物～貝殻片", "貝殻片", "礫", "玉石", "雲母", "礫～砂"]
WEATHERING = ["@", "強風化", "中風化～強風化"]
AGES = ["完新世", "更新世", "白亜紀～古第三紀", "鮮新世"]
CORES = ["軟／岩片状", "中硬／短柱状", "やや硬／短柱状", "やや硬／棒状", "砂状"]


def write_cp932(path, lines):
    with open(path, "wb") as out:
        for line in lines:
            out.write(line.encode("cp932") + b"\r\n")


def read_cp932(path):
    with open(path, "rb") as f:
        return f.read().decode("cp932").split("\r\n")[:-1]


def large_source(layers=250, texts_per_layer=16):
    """About 38,000 records: every table-growing section many times over,
    within the program's limit of 250 layers."""
    lines = ["QVN 5.0 B-L", "1003 大規模ボーリング", "1004 B-L"]
    pick = lambda pool, i: pool[i % len(pool)]
    for i in range(layers):
        # Every fourth layer a name of its own, which the dictionary gains.
        name = pick(SOILS, i) if i % 4 else f"{pick(SOILS, i)}混じり{pick(MIXTURES, i)}{i:03d}"
        lines.append(f"2000 {(i + 1) * 2:.2f} {name}")
    for i in range(layers):
        lines.append(f"2001 {(i + 1) * 2:.2f} 2.00 {pick(COLOURS, i)} {pick(DENSITIES, i)} "
                     f"{pick(STIFFNESS, i)} {pick(WATER, i)} {pick(MIXTURES, i)} "
                     f"{pick(WEATHERING, i)} L{i % 9} {texts_per_layer}")
    for i in range(layers * texts_per_layer):
        lines.append(f"2002 第{i}文。φ5～20mm程度の礫を混入する。")
    for i in range(2000):
        lines.append(f"3070 {i * 0.1 + 0.1:.2f} {pick(AGES, i)}")
    for i in range(16000):
        lines.append(f"4000 {i * 0.03 + 0.15:.2f} {i * 0.03 + 0.45:.2f} 10 10 10 1 2 1")
    for i in range(11500):
        lines.append(f"5000 {i * 0.03 + 0.1:.2f} 10 {i % 30 + 1} 120 150 40 晴 8 @ 17")
    for i in range(4000):
        lines.append(f"5010 {i * 0.1 + 0.1:.2f} 20 割れ目沿いに褐色の酸化 {pick(CORES, i)}")
    return lines


def old_office_folder(target):
    """The sample's tables, each entry kept, grown with entries of later borings."""
    shutil.copytree(os.path.join(SAMPLES, "patdat"), target)
    main = read_cp932(os.path.join(target, "KISHITU.TXT"))
    extra = [f"{1100 + n % 2800:04d},旧現場土質{n:05d},H{n % 999:03d},C000,S000,0{n % 999:03d}"
             for n in range(16000 - len(main))]
    write_cp932(os.path.join(target, "KISHITU.TXT"), main + extra)
    # The extension list near its limit of new codes (2000 to 3999), kept
    # in code order before its codes of 4000 and more.
    path = os.path.join(target, "XKISHITU.TXT")
    extension = read_cp932(path)
    low = [line for line in extension if int(line[:4]) < 4000]
    high = [line for line in extension if int(line[:4]) >= 4000]
    grown = [f"{2000 + n:04d},旧追加土質{n:05d},    ,    ,    ,0000" for n in range(len(low), 1900)]
    write_cp932(path, low + grown + high)
    for table in range(13, 18):
        path = os.path.join(target, f"L{table}.TXT")
        lines = read_cp932(path)
        spare = "      ," if table == 17 else ""
        extra = [f"{11 + n % 89:2d},{spare}旧名称{n:05d}" for n in range(4000 - len(lines))]
        write_cp932(path, lines + extra)


def generate(folder):
    os.makedirs(folder, exist_ok=True)
    write_cp932(os.path.join(folder, "large.txt"), large_source())
    shutil.copyfile(os.path.join(SAMPLES, "boring.txt"), os.path.join(folder, "typical.txt"))
    old = os.path.join(folder, "old-patdat")
    shutil.rmtree(old, ignore_errors=True)
    old_office_folder(old)


def child_cpu(command, **kwargs):
    """CPU time (user + system) of one child process, which must succeed."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(command, check=True, **kwargs)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def scratch_dir():
    """A memory file system where the host has one, so that disks do not
    blur the figures."""
    return tempfile.TemporaryDirectory(
        prefix="bench-store-", dir="/dev/shm" if os.path.isdir("/dev/shm") else None)


def convert_cpu(program, source, patdat, keep=None):
    with scratch_dir() as scratch:
        copy = os.path.join(scratch, "patdat")
        shutil.copytree(patdat, copy)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(scratch, "config"))
        out = os.path.join(scratch, "out")
        cpu = child_cpu([program, "--yes", "--patdat", copy, source, out], env=env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if keep:
            shutil.copytree(out, keep)
        return cpu


def floor_cpu(floor, source, reference):
    with scratch_dir() as scratch:
        return child_cpu([floor, source, reference, os.path.join(scratch, "out")])


def median_of(runs, measure):
    return statistics.median(measure() for _ in range(runs))


def measure(folder, program, runs):
    program = os.path.abspath(program)
    floor = os.path.join(os.path.dirname(program), "bench", "bench_floor")
    large = os.path.join(folder, "large.txt")
    typical = os.path.join(folder, "typical.txt")
    fresh = os.path.join(SAMPLES, "patdat")
    old = os.path.join(folder, "old-patdat")
    reference = os.path.join(folder, "large-out")
    shutil.rmtree(reference, ignore_errors=True)
    convert_cpu(program, large, fresh, keep=reference)
    with open(os.devnull, "wb") as null:
        iconv = median_of(runs, lambda: child_cpu(["iconv", "-f", "CP932", "-t", "UTF-8", large],
                                                  stdout=null))
        version = median_of(runs * 4, lambda: child_cpu([program, "--version"], stdout=null))
    bare = median_of(runs * 4, lambda: child_cpu(["/bin/true"]))
    floor_time = median_of(runs, lambda: floor_cpu(floor, large, reference))
    large_cpu = median_of(runs, lambda: convert_cpu(program, large, fresh))
    typical_fresh = median_of(runs, lambda: convert_cpu(program, typical, fresh))
    typical_old = median_of(runs, lambda: convert_cpu(program, typical, old))
    records = sum(1 for _ in open(large, "rb"))
    ms = lambda seconds: f"{seconds * 1000:.1f} ms"
    print(f"medians of {runs} runs, CPU time (user + system)")
    print(f"large source ({records} records): {ms(large_cpu)}; iconv {ms(iconv)}, "
          f"ratio {large_cpu / max(iconv, 1e-4):.1f}x; floor {ms(floor_time)}, "
          f"ratio {large_cpu / max(floor_time, 1e-4):.1f}x")
    print(f"typical boring: old office folder {ms(typical_old)}, fresh tables "
          f"{ms(typical_fresh)}, ratio {typical_old / max(typical_fresh, 1e-4):.2f}x")
    print(f"typical boring against start-up: {ms(typical_fresh)} - --version {ms(version)} "
          f"= {ms(typical_fresh - version)}")
    print(f"--version {ms(version)}, /bin/true {ms(bare)}, ratio {version / max(bare, 1e-4):.2f}x")


def main(argv):
    if len(argv) >= 3 and argv[1] == "generate":
        generate(argv[2])
    elif len(argv) >= 4 and argv[1] == "measure":
        measure(argv[2], argv[3], int(argv[4]) if len(argv) > 4 else 5)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
