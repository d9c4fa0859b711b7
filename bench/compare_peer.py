#!/usr/bin/env python3
"""Times the golf-hole workload with our renderer and with the peer harness of the shared bench
folder, alternately, and prints each view and size with the fastest and median frames and the ratio
ours / peer (single-threaded peer: llvmpipe with LP_NUM_THREADS=0).

usage: bench/compare_peer.py BUILD_DIR [ROUNDS]
The peer is built from ../shared/bench/peer into a temporary folder (needs libosmesa6-dev)."""
import json, os, re, shutil, subprocess, sys, tempfile

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
    ours, peer = {}, {}
    for _ in range(rounds):
        out = subprocess.run([os.path.join(work, "rasterbench"), "--data", os.path.join(peer_source, "data"),
                              "--sizes", "240x320,480x640,960x1280", "--cameras", "TEE,HIGH,GREEN"],
                             env=peer_env, capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            if line.startswith("RESULT"):
                f = dict(item.split("=", 1) for item in line.split()[1:])
                key = (f["camera"], f["size"])
                peer.setdefault(key, []).append((float(f["min_ms"]), float(f["median_ms"])))
        out = subprocess.run([os.path.join(root, build, "bin", "bench_raster"), "--benchmark_format=json"],
                             env=dict(os.environ, VELMORA_DEPTH="16"), capture_output=True, text=True,
                             check=True).stdout
        for case in json.loads(out)["benchmarks"]:
            camera, size = case["label"].split()
            ours.setdefault((camera, size), []).append((case["min_ms"], case["median_ms"]))
    print("| view | size | ours min | ours median | peer min | peer median | min ratio | median ratio |")
    print("|---|---|---:|---:|---:|---:|---:|---:|")
    for size in ("240x320", "480x640", "960x1280"):
        for camera in ("TEE", "HIGH", "GREEN"):
            o, p = ours.get((camera, size)), peer.get((camera, size))
            if not o or not p:
                continue
            o_min, p_min = min(t[0] for t in o), min(t[0] for t in p)
            o_med = sorted(t[1] for t in o)[len(o) // 2]
            p_med = sorted(t[1] for t in p)[len(p) // 2]
            print(f"| {camera} | {size} | {o_min:.2f} | {o_med:.2f} | {p_min:.2f} | {p_med:.2f} | "
                  f"{o_min / p_min:.2f} | {o_med / p_med:.2f} |")
finally:
    shutil.rmtree(work, ignore_errors=True)
