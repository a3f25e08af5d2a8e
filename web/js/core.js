// The calculations of calc/, compiled to WebAssembly (web/core/bindings.cpp):
// loaded once by loadCore(), synchronous afterwards. A calculation's fault is
// thrown as Fault, whose message is the text the fault box shows.
import VoltarisCore from './voltaris_core.js';

export class Fault extends Error {
  constructor(message) {
    super(message);
    this.name = 'Fault';
  }
}

const wasmAddress = new URL('voltaris_core.wasm', import.meta.url);
let loading = null;
let core = null;

// Fetched by the browser; under node, whose fetch cannot read a file, read from the disk.
async function compileCore() {
  if (globalThis.process?.versions?.node) {
    const { readFile } = await import('node:fs/promises');
    return WebAssembly.compile(await readFile(wasmAddress));
  }
  const response = await fetch(wasmAddress);
  if (!response.ok) throw new Error(`${wasmAddress}: ${response.status} ${response.statusText}`);
  // Compiled while it arrives where the server names its type; a server that does not still serves.
  if (response.headers.get('Content-Type')?.startsWith('application/wasm')) {
    return WebAssembly.compileStreaming(response);
  }
  return WebAssembly.compile(await response.arrayBuffer());
}

async function startCore() {
  const compiled = await compileCore();
  let instantiation;
  const ready = VoltarisCore({
    Fault,
    instantiateWasm(imports, receive) {
      instantiation = WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled));
      return {};
    },
  });
  await instantiation;  // its failure rejects here, where the module's own promise would wait for ever
  core = await ready;
}

// Once for the page; a failed load may be tried again.
export function loadCore() {
  loading ??= startCore().catch((failure) => {
    loading = null;
    throw failure;
  });
  return loading;
}

function loaded() {
  if (core === null) throw new Error('The calculations are not loaded yet: await loadCore() first');
  return core;
}

function unlessFault(result) {
  if (result instanceof Fault) throw result;
  return result;
}

function separatorCode(separator) {
  if (typeof separator !== 'string' || separator.length !== 1 || separator > '\x7f') {
    throw new TypeError(`A decimal separator is one character, not ${JSON.stringify(separator)}`);
  }
  return separator;
}

// A member of one of the core's kinds (LineTopology, DropLineKind) by its name.
function member(kinds, name) {
  const kind = Object.hasOwn(kinds, name) ? kinds[name] : undefined;
  if (!(kind instanceof kinds)) throw new TypeError(`Unknown kind ${JSON.stringify(name)}`);
  return kind;
}

export function parseNumber(text, separator) {
  return unlessFault(loaded().parseNumber(text, separatorCode(separator)));
}

export function formatNumber(value, separator) {
  return loaded().formatNumber(value, separatorCode(separator));
}

export function parseWholeNumber(text) {
  return unlessFault(loaded().parseWholeNumber(text));
}

export function computeLoadCurrent(kind, loads, Fc, V) {
  const calc = loaded();
  const powers = loads.map((load) => load.power);
  const powerFactors = loads.map((load) => load.powerFactor);
  return unlessFault(calc.computeLoadCurrent(member(calc.LineTopology, kind), powers, powerFactors, Fc, V));
}

export function chooseCableSection(Ib) {
  return loaded().chooseCableSection(Ib);
}

export function cableSectionTable() {
  return loaded().cableSectionTable();
}

export function dropCoefficient(kind) {
  const calc = loaded();
  return calc.dropCoefficient(member(calc.DropLineKind, kind));
}

export function computeVoltageDrop(K, V, Ib, L, S) {
  return unlessFault(loaded().computeVoltageDrop(K, V, Ib, L, S));
}

export function chooseProtectionRating(S) {
  return loaded().chooseProtectionRating(S);
}

export function protectionRatingTable() {
  return loaded().protectionRatingTable();
}

export function computeCorrectionPower(P, cos1, cos2) {
  return unlessFault(loaded().computeCorrectionPower(P, cos1, cos2));
}

export function cableLineShortCircuit(topology, Icco, L, SF, SN) {
  const calc = loaded();
  return unlessFault(calc.cableLineShortCircuit(member(calc.LineTopology, topology), Icco, L, SF, SN));
}

export function busbarLineShortCircuit(Icco, L, IZ) {
  return unlessFault(loaded().busbarLineShortCircuit(Icco, L, IZ));
}

export function withClosingPeriod(message) {
  return loaded().withClosingPeriod(message);
}
