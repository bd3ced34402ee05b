// The page's pictures against reviewed ones.
import assert from 'node:assert/strict';
import { existsSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

import { kOutput } from './paths.mjs';

// Compares two PNG pictures in the browser, which decodes and encodes them:
// a pixel differs when one of its channels differs by more than
// `channelTolerance`; the difference picture shows those pixels in red over
// a faded copy of the expected one.
export async function comparePictures(page, expected, actual, channelTolerance) {
  return page.evaluate(async ({ expectedUrl, actualUrl, tolerance }) => {
    const load = async (url) => {
      const image = new Image();
      image.src = url;
      await image.decode();
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      return context.getImageData(0, 0, image.width, image.height);
    };
    const [want, got] = await Promise.all([load(expectedUrl), load(actualUrl)]);
    if (want.width !== got.width || want.height !== got.height) {
      return { sizeDiffers: true, size: [got.width, got.height] };
    }
    const diff = new ImageData(want.width, want.height);
    let differing = 0;
    for (let i = 0; i < want.data.length; i += 4) {
      let worst = 0;
      for (let c = 0; c < 3; ++c) worst = Math.max(worst, Math.abs(want.data[i + c] - got.data[i + c]));
      const off = worst > tolerance;
      if (off) ++differing;
      const faded = 255 - (255 - (want.data[i] + want.data[i + 1] + want.data[i + 2]) / 3) / 4;
      diff.data.set(off ? [255, 0, 0, 255] : [faded, faded, faded, 255], i);
    }
    const canvas = new OffscreenCanvas(want.width, want.height);
    canvas.getContext('2d').putImageData(diff, 0, 0);
    const blob = await canvas.convertToBlob({ type: 'image/png' });
    const bytes = new Uint8Array(await blob.arrayBuffer());
    let binary = '';
    for (const byte of bytes) binary += String.fromCharCode(byte);
    return { differing, diffPng: btoa(binary) };
  }, {
    expectedUrl: `data:image/png;base64,${expected.toString('base64')}`,
    actualUrl: `data:image/png;base64,${actual.toString('base64')}`,
    tolerance: channelTolerance,
  });
}

// A pixel differs when a channel is off by more than 16 of 255; at most 100
// of a picture's may differ (text edges of another build of the same font).
// A control one pixel off moves several hundred.
const kChannelTolerance = 16;
const kMaxDifferingPixels = 100;

const kReference = new URL('../reference/', import.meta.url);
const kLookOutput = join(kOutput, 'look');

// The page as it shows now against the reviewed picture reference/NAME.png;
// a mismatch leaves the actual picture and a difference picture in
// build-web/test-output/look/.
export async function expectLook(page, name) {
  const actual = await page.screenshot({ animations: 'disabled', caret: 'hide' });
  const referenceFile = new URL(`${name}.png`, kReference);
  mkdirSync(kLookOutput, { recursive: true });
  const actualFile = join(kLookOutput, `${name}-actual.png`);
  if (!existsSync(referenceFile)) {
    writeFileSync(actualFile, actual);
    assert.fail(`no reference picture ${name}.png: review ${actualFile} and copy it to tests/web/reference/`);
  }
  const result = await comparePictures(page, readFileSync(referenceFile), actual, kChannelTolerance);
  if (result.sizeDiffers || result.differing > kMaxDifferingPixels) {
    writeFileSync(actualFile, actual);
    let what = `is ${result.size?.join(' x ')} pixels`;
    if (!result.sizeDiffers) {
      const diffFile = join(kLookOutput, `${name}-diff.png`);
      writeFileSync(diffFile, Buffer.from(result.diffPng, 'base64'));
      what = `differs in ${result.differing} pixels (at most ${kMaxDifferingPixels}); difference: ${diffFile}`;
    }
    assert.fail(`the page ${name} ${what}; actual: ${actualFile}`);
  }
}
