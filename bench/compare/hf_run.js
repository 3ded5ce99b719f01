// Times one generated workload in phases through the peer engine on Node, the same way
// phase_run does for ours: load (read the sheet file, parse, build), first calculation,
// recalculation after the workload's change. Prints one JSON line.
//   node hf_run.js WORKDIR NAME [RUNS] [WARMUP]     (NAME "W8": the standard row by row)
'use strict';
const fs = require('fs');
const path = require('path');
const { HyperFormula } = require('hyperformula');

const [dir, name] = [process.argv[2], process.argv[3]];
const runs = Number(process.argv[4] || 10), warmup = Number(process.argv[5] || 3);
const desc = JSON.parse(fs.readFileSync(path.join(dir, 'workloads.json'), 'utf8'));

function parseCell(name) {
  const m = /^([A-Z]+)(\d+)$/.exec(name);
  let col = 0;
  for (const ch of m[1]) col = col * 26 + (ch.charCodeAt(0) - 64);
  return { col: col - 1, row: Number(m[2]) - 1 };
}

// The grid of a native sheet file: lines between "grid" and "end", tab-separated.
function readSheet(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const start = lines.indexOf('grid') + 1, end = lines.indexOf('end', start);
  const rows = [];
  for (let i = start; i < end; ++i) {
    rows.push(lines[i].split('\t').map((t) => {
      if (t === '') return null;
      if (t[0] === '=') return t;
      const n = Number(t);
      return Number.isFinite(n) && /^-?[0-9.]/.test(t) ? n : t;
    }));
  }
  return rows;
}

function matches(expected, got) {
  if (typeof expected === 'string') return got === expected;
  return typeof got === 'number' && Math.abs(got - expected) <= 1e-9 * Math.max(1, Math.abs(expected));
}

function verify(hf, sheet, checks) {
  for (const [cell, expected] of checks) {
    const got = hf.getCellValue({ sheet, ...parseCell(cell) });
    if (!matches(expected, got)) throw new Error(`${cell}: expected ${expected}, got ${JSON.stringify(got)}`);
  }
}

const ms = (a, b) => Number(b - a) / 1e6;
const now = () => process.hrtime.bigint();
const config = { licenseKey: 'gpl-v3', maxRows: 1000000, maxColumns: 1000 };

function runOne(w, file, rowsFn) {
  const t0 = now();
  const data = readSheet(file);
  const hf = HyperFormula.buildEmpty(config);
  hf.suspendEvaluation();
  const sheet = hf.getSheetId(hf.addSheet('S'));
  hf.setSheetContent(sheet, data);
  const t1 = now();
  hf.resumeEvaluation();
  const t2 = now();
  verify(hf, sheet, w.checks);
  const t3 = now();
  if (rowsFn) rowsFn(hf, sheet);
  else {
    for (const [cell, v] of w.edits) hf.setCellContents({ sheet, ...parseCell(cell) }, [[v]]);
  }
  const t4 = now();
  if (!rowsFn) verify(hf, sheet, w.checksAfter);
  hf.destroy();
  return [ms(t0, t1), ms(t1, t2), ms(t3, t4)];
}

function main() {
  const out = { engine: 'hyperformula', workload: name, load: [], calc: [], recalc: [], ok: true, error: '' };
  try {
    let w, file, rowsFn = null;
    if (name === 'W8') {
      const s = desc.w8;
      w = s.flat;
      file = path.join(dir, w.file);
      const parseTsv = (f) => fs.readFileSync(path.join(dir, f), 'utf8').trim().split('\n').slice(1).map((l) => l.split('\t'));
      const inputs = parseTsv(s.inputs), expected = parseTsv(s.expected).map((r) => r.map(Number));
      const inCells = s.inputCells.map(parseCell), outCells = s.outputCells.map(parseCell);
      rowsFn = (hf, sheet) => {
        inputs.forEach((row, r) => {
          hf.batch(() => {
            row.forEach((v, i) => hf.setCellContents({ sheet, ...inCells[i] }, [[s.inputIsText[i] ? v : Number(v)]]));
          });
          outCells.forEach((c, j) => {
            const got = hf.getCellValue({ sheet, ...c });
            if (!matches(expected[r][j], got)) throw new Error(`row ${r + 1} output ${j + 1}: expected ${expected[r][j]}, got ${JSON.stringify(got)}`);
          });
        });
      };
      out.sheets = inputs.length;
    } else {
      w = desc.workloads.find((x) => x.name === name);
      if (!w) throw new Error(`unknown workload ${name}`);
      file = path.join(dir, w.file);
    }
    for (let i = 0; i < warmup + runs; ++i) {
      const [l, c, r] = runOne(w, file, rowsFn);
      if (i >= warmup) { out.load.push(l); out.calc.push(c); out.recalc.push(r); }
    }
  } catch (e) {
    out.ok = false;
    out.error = String(e.message || e);
  }
  out.rss_kb = process.resourceUsage().maxRSS;
  console.log(JSON.stringify(out));
  process.exitCode = out.ok ? 0 : 1;
}
main();
