// Opens a sweep's gallery from disk in the system's chromium (headless, driven by playwright-core)
// and checks what a user sees: no console error, sorting and filtering work, the thumbnails and
// the plot render. Takes a screenshot.
//   node gallery_check.mjs NODE_MODULES CHROMIUM INDEX_HTML SCREENSHOT
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const [modules, chromiumPath, index, screenshot] = process.argv.slice(2);
const { chromium } = createRequire(modules + '/')('playwright-core');

const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

const browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox'] });
try {
  const page = await browser.newPage({ viewport: { width: 1280, height: 900 } });
  const errors = [];
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(pathToFileURL(index).href, { waitUntil: 'load' });

  const column = (name) => page.$$eval('#runs tbody tr', (rows, name) => {
    const at = [...document.querySelectorAll('#runs thead th')].findIndex((th) => th.textContent === name);
    return rows.map((r) => r.cells[at].title || r.cells[at].textContent);
  }, name);
  const rows = async () => (await page.$$('#runs tbody tr')).length;
  const total = await rows();
  check(total === 8, `8 runs in the table, not ${total}`);

  // Sorting: ascending, then descending on a second click, numbers as numbers.
  const header = page.locator('#runs thead th', { hasText: /^TXg\(3\)$/ });
  await header.click();
  let values = (await column('TXg(3)')).map(Number);
  check(values.every((v, i) => i === 0 || values[i - 1] <= v), `ascending TXg(3): ${values}`);
  check(await header.getAttribute('aria-sort') === 'ascending', 'the header says ascending');
  await header.click();
  values = (await column('TXg(3)')).map(Number);
  check(values.every((v, i) => i === 0 || values[i - 1] >= v), `descending TXg(3): ${values}`);
  const hashes = await column('WorldHash');
  await page.locator('#runs thead th', { hasText: /^WorldHash$/ }).click();
  check(JSON.stringify(await column('WorldHash')) === JSON.stringify([...hashes].sort()),
        'hashes sorted as text');

  // Filtering: a comparison, two terms at once, a word, and back to all.
  const filter = async (text) => { await page.fill('#filter', text); return rows(); };
  check(await filter('TXg(3)=20') === 2, 'TXg(3)=20 leaves the two seeds');
  check(await filter('TXg(3)>=30 seed=1') === 2, 'two terms together');
  check(await filter('no-such-word') === 0, 'a word no cell holds leaves nothing');
  check((await page.textContent('#count')).startsWith('0 of 8'), 'the count says so');
  check(await filter('') === total, 'an empty filter shows every run');

  // Every thumbnail loads (they load lazily: each is scrolled into view).
  const images = page.locator('#runs img');
  for (let i = 0; i < await images.count(); ++i) await images.nth(i).scrollIntoViewIfNeeded();
  await page.waitForFunction(() => [...document.images].every((img) => img.complete));
  const sizes = await images.evaluateAll((imgs) => imgs.map((img) => img.naturalWidth));
  check(sizes.length === total && sizes.every((w) => w > 0), `thumbnails load: ${sizes}`);

  // The plot: the chart's points, and pixels of it drawn on the canvas.
  await page.evaluate(() => window.scrollTo(0, 0));
  const plot = await page.evaluate(() => {
    const chart = window.Chart && window.Chart.getChart('chart');
    const canvas = document.getElementById('chart');
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let drawn = 0;
    for (let i = 3; i < pixels.length; i += 4) drawn += pixels[i] > 0;
    return { points: chart ? chart.data.datasets[0].data.length : -1, drawn };
  });
  check(plot.points === total, `the plot has ${plot.points} points`);
  check(plot.drawn > 1000, `the canvas has ${plot.drawn} pixels drawn`);
  await page.selectOption('#y-column', 'BodiesOn');
  check((await page.textContent('#reading')).startsWith(`${total} runs plotted`), 'the reading');

  check(errors.length === 0, `console errors: ${errors.join(' | ')}`);
  await page.screenshot({ path: screenshot });
} finally {
  await browser.close();
}
if (failures.length) {
  console.error('gallery: ' + failures.join('\n  '));
  process.exit(1);
}
console.log('gallery: sorting, filtering, thumbnails and plot work');
