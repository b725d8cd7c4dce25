// trimvale.html against a page holding one static label, from file://, in
// each browser engine, alternating: time from navigation to the first
// contentful paint (for Trimvale, the questionnaire), and for Trimvale to the
// first tick accepted; medians; and the share of the questionnaire's text a
// mobile audit counts as legible (12 px or more). An engine that reports no
// paint timing says so.
// SIZE=360x740 measures at a phone's size (WebKit goes no narrower than 447).
//
//     node bench/page_bench.mjs TRIMVALE.html ONE_LABEL.html [RUNS [ENGINE...]]
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const here = new URL('.', import.meta.url).pathname;
const { launchEngine, ENGINES } = await import(
    pathToFileURL(resolve(here, '../app/web/tests/engines.mjs')).href);

const [trimvale, oneLabel, runsText, ...asked] = process.argv.slice(2);
const runs = Number(runsText ?? 15);
const [width, height] = (process.env.SIZE ?? '1280x800').split('x').map(Number);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const spread = (values) => `${median(values).toFixed(1)} ms (min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)})`;

async function measure(engine, file, tick) {
    const page = await engine.open(pathToFileURL(resolve(file)).href,
        { width: engine.name === 'webkit' ? Math.max(width, 447) : width, height });
    let ticked = null;
    if (tick) {
        // Pressed as soon as the box is there; accepted once the program has taken the window over.
        const at = await page.evaluate(() => new Promise((done) => {
            const look = () => {
                const started = document.querySelector('#Form1:not(.prerendered)');
                if (!started) return requestAnimationFrame(look);
                const r = started.querySelector('#Form1-Check1 input').getBoundingClientRect();
                done({ x: r.x + r.width / 2, y: r.y + r.height / 2 });
            };
            look();
        }));
        await page.click(at.x, at.y);
        ticked = await page.evaluate(() => new Promise((done) => {
            const look = () => (document.querySelector('#Form1-Check1 input').checked
                ? done(performance.now()) : requestAnimationFrame(look));
            look();
        }));
    }
    const painted = await page.evaluate(() => new Promise((done) => {
        if (!PerformanceObserver.supportedEntryTypes?.includes('paint')) return done(null);
        const find = () => performance.getEntriesByName('first-contentful-paint')[0];
        const wait = () => (find() ? done(find().startTime) : requestAnimationFrame(wait));
        wait();
    }));
    // Characters of visible text, as the audit weighs them.
    const legible = tick && await page.evaluate(() => {
        let all = 0, large = 0;
        const texts = document.createTreeWalker(document.getElementById('desk'), NodeFilter.SHOW_TEXT);
        for (let node; (node = texts.nextNode());) {
            const count = node.textContent.trim().length;
            if (!count || !node.parentElement.getClientRects().length) continue;
            all += count;
            if (parseFloat(getComputedStyle(node.parentElement).fontSize) >= 12) large += count;
        }
        return large / all;
    });
    await page.close();
    return { painted, ticked, legible };
}

for (const name of asked.length ? asked : ENGINES) {
    const engine = await launchEngine(name);
    await measure(engine, trimvale, true); // warm-up, unmeasured
    await measure(engine, oneLabel, false);
    const results = { trimvale: [], label: [] };
    for (let run = 0; run < runs; ++run) {
        results.trimvale.push(await measure(engine, trimvale, true));
        results.label.push(await measure(engine, oneLabel, false));
    }
    await engine.close();
    const ticked = median(results.trimvale.map((r) => r.ticked));
    const legible = `text legible to a mobile audit ${(100 * results.trimvale[0].legible).toFixed(0)} %`;
    if (results.trimvale[0].painted === null) {
        console.log(`${name}: no paint timing; first tick accepted ${ticked.toFixed(1)} ms; ${legible}`);
        continue;
    }
    const painted = results.trimvale.map((r) => r.painted);
    const label = results.label.map((r) => r.painted);
    console.log(`${name} at ${width} x ${height}: first paint ${spread(painted)} against one label's ${spread(label)}, ` +
        `ratio ${(median(painted) / median(label)).toFixed(2)}; first tick accepted ${ticked.toFixed(1)} ms (medians of ${runs} runs); ${legible}`);
}
