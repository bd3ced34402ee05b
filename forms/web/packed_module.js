/* A page's module packed into one text, as a page in one file carries it:
   base64 of the gzip of the script's length (4 bytes, little-endian), the
   script and its WebAssembly. Started in the window `win` with the module's
   settings `settings`; the browser unpacks it with its own decompressor. */
async function startPackedModule(win, packed, settings) {
  const zipped = Uint8Array.from(atob(packed), (c) => c.charCodeAt(0));
  const stream = new Blob([zipped]).stream().pipeThrough(new DecompressionStream('gzip'));
  const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
  const length = new DataView(bytes.buffer).getUint32(0, true);
  settings.wasmBinary = bytes.subarray(4 + length);
  win.Module = settings;
  const script = win.document.createElement('script');
  script.textContent = new TextDecoder().decode(bytes.subarray(4, 4 + length));
  win.document.body.append(script);
}
