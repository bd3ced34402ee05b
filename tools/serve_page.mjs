// Serves a folder of static files on 127.0.0.1, as any web server would:
//   node tools/serve_page.mjs DIR [PORT]     (make serve)
// Tests and the bench import startServer() and stop it when done.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
};

// Resolves with {url, close()} once the server listens; port 0 picks one.
export function startServer(dir, port = 0) {
  const root = normalize(dir + sep);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-store',
      });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [dir, port = '8000'] = process.argv.slice(2);
  if (!dir) {
    console.error('usage: node serve_page.mjs DIR [PORT]');
    process.exit(2);
  }
  const { url } = await startServer(dir, Number(port));
  console.log(`Serving ${dir} at ${url} (Ctrl+C stops)`);
}
