// trimvale.html against a page holding one static label, in headless
// Chromium from file://, alternating: time from navigation to the first
// contentful paint (for Trimvale, the questionnaire), and for Trimvale to
// the first tick accepted; medians.
//
//     node bench/page_bench.mjs TRIMVALE.html ONE_LABEL.html [RUNS]
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const here = new URL('.', import.meta.url).pathname;
const { chromium } = await import(
    pathToFileURL(resolve(here, '../app/web/tests/node_modules/playwright-core/index.mjs')).href);

const [trimvale, oneLabel, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 15);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium' });

async function measure(file, tick) {
    const page = await (await browser.newContext()).newPage();
    await page.goto(pathToFileURL(resolve(file)).href);
    let ticked = null;
    if (tick) {
        await page.locator('#Form1-Check1 input').click();
        ticked = await page.evaluate(() => performance.now());
    }
    const painted = await page.evaluate(() => new Promise((done) => {
        const find = () => performance.getEntriesByName('first-contentful-paint')[0];
        const wait = () => (find() ? done(find().startTime) : requestAnimationFrame(wait));
        wait();
    }));
    await page.context().close();
    return { painted, ticked };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
await measure(trimvale, true); // warm-up, unmeasured
await measure(oneLabel, false);
const results = { trimvale: [], label: [] };
for (let run = 0; run < runs; ++run) {
    results.trimvale.push(await measure(trimvale, true));
    results.label.push(await measure(oneLabel, false));
}
await browser.close();

const painted = median(results.trimvale.map((r) => r.painted));
const ticked = median(results.trimvale.map((r) => r.ticked));
const label = median(results.label.map((r) => r.painted));
console.log(`trimvale.html   first paint ${painted.toFixed(1)} ms, first tick accepted ${ticked.toFixed(1)} ms`);
console.log(`one label       first paint ${label.toFixed(1)} ms`);
console.log(`first paint ratio ${(painted / label).toFixed(2)} (medians of ${runs} runs)`);
