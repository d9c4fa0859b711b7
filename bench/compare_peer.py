#!/usr/bin/env python3
"""Times the golf-hole workload with our renderer and with the peer harness of the shared bench
folder, alternately, and prints each view and size with the fastest and median frames, the ratio
ours / peer (single-threaded peer: llvmpipe with LP_NUM_THREADS=0) and the PSNR of our picture
against the peer's (in dB, as ImageMagick's `compare -metric PSNR` gives it).

usage: bench/compare_peer.py BUILD_DIR [ROUNDS]
The peer is built from ../shared/bench/peer into a temporary folder (needs libosmesa6-dev)."""
import json, math, os, shutil, subprocess, sys, tempfile


def read_ppm(path):
    """Width, height and RGB bytes of a binary PPM with 255 as its maximum."""
    with open(path, "rb") as f:
        data = f.read()
    fields, position = [], 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[position + 1:position + 1 + width * height * 3]


def psnr(path_a, path_b):
    """Peak signal-to-noise ratio of two pictures of one size over all three channels."""
    wa, ha, a = read_ppm(path_a)
    wb, hb, b = read_ppm(path_b)
    if (wa, ha) != (wb, hb):
        raise ValueError(f"{path_a} and {path_b} differ in size")
    squares = sum((x - y) * (x - y) for x, y in zip(a, b))
    return math.inf if squares == 0 else 10 * math.log10(255 * 255 * len(a) / squares)


build = sys.argv[1] if len(sys.argv) > 1 else "build"
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
peer_source = os.path.join(root, "..", "shared", "bench", "peer")

work = tempfile.mkdtemp(prefix="velmora-peer-")
try:
    for name in ("Makefile", "src"):
        source = os.path.join(peer_source, name)
        (shutil.copytree if os.path.isdir(source) else shutil.copy)(source, os.path.join(work, name))
    subprocess.run(["make", "-s", "rasterbench"], cwd=work, check=True)
    peer_env = dict(os.environ, GALLIUM_DRIVER="llvmpipe", LP_NUM_THREADS="0")
    ours_env = dict(os.environ, VELMORA_DEPTH="16")
    pictures = {"ours": os.path.join(work, "ours"), "peer": os.path.join(work, "peer")}
    for folder in pictures.values():
        os.mkdir(folder)
    ours, peer = {}, {}
    for round_number in range(rounds):
        # The pictures do not change from round to round: the first round writes them.
        dump = round_number == 0
        out = subprocess.run([os.path.join(work, "rasterbench"), "--data", os.path.join(peer_source, "data"),
                              "--sizes", "240x320,480x640,960x1280", "--cameras", "TEE,HIGH,GREEN"]
                             + (["--dump", pictures["peer"]] if dump else []),
                             env=peer_env, capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            if line.startswith("RESULT"):
                f = dict(item.split("=", 1) for item in line.split()[1:])
                key = (f["camera"], f["size"])
                peer.setdefault(key, []).append((float(f["min_ms"]), float(f["median_ms"])))
        out = subprocess.run([os.path.join(root, build, "bin", "bench_raster"), "--benchmark_format=json"],
                             env=dict(ours_env, VELMORA_BENCH_DUMP=pictures["ours"]) if dump else ours_env,
                             capture_output=True, text=True, check=True).stdout
        for case in json.loads(out)["benchmarks"]:
            camera, size = case["label"].split()
            ours.setdefault((camera, size), []).append((case["min_ms"], case["median_ms"]))
    print("| view | size | ours min | ours median | peer min | peer median | min ratio | median ratio | PSNR dB |")
    print("|---|---|---:|---:|---:|---:|---:|---:|---:|")
    for size in ("240x320", "480x640", "960x1280"):
        for camera in ("TEE", "HIGH", "GREEN"):
            o, p = ours.get((camera, size)), peer.get((camera, size))
            if not o or not p:
                continue
            o_min, p_min = min(t[0] for t in o), min(t[0] for t in p)
            o_med = sorted(t[1] for t in o)[len(o) // 2]
            p_med = sorted(t[1] for t in p)[len(p) // 2]
            quality = psnr(os.path.join(pictures["ours"], f"{camera}_{size}.ppm"),
                           os.path.join(pictures["peer"], f"{camera}_{size}_565.ppm"))
            print(f"| {camera} | {size} | {o_min:.2f} | {o_med:.2f} | {p_min:.2f} | {p_med:.2f} | "
                  f"{o_min / p_min:.2f} | {o_med / p_med:.2f} | {quality:.2f} |")
finally:
    shutil.rmtree(work, ignore_errors=True)
