// Screenshots of trimvale.html for docs/: in Chromium the questionnaire,
// answered, a program window and the notice, at scale 1 and 2 (high-DPI); the
// answered questionnaire in Firefox and in WebKit; and in each engine, on a
// phone, the questionnaire, a program window and the notice.
//
//     node screenshots.mjs TRIMVALE.html DOCS_DIR
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchEngine, START, waitFor } from './engines.mjs';

const [pagePath, docs] = process.argv.slice(2);
const url = pathToFileURL(resolve(pagePath)).href;

const boxOf = (page, selector) => page.evaluate((s) => {
    const r = document.querySelector(s).getBoundingClientRect();
    return { x: r.x, y: r.y, width: r.width, height: r.height };
}, selector);
const press = async (page, selector) => {
    await page.evaluate((s) => document.querySelector(s).scrollIntoView({ block: 'nearest' }), selector);
    const b = await boxOf(page, selector);
    await page.click(b.x + b.width / 2, b.y + b.height / 2);
};
const settled = async (page) => {
    await waitFor(() => page.evaluate(() => !!document.querySelector('#Form1:not(.prerendered)')), 'the start', START);
    await page.evaluate(() => document.fonts.ready.then(() => true));
};
// The focus ring and caret belong to the moment, not to the picture.
const blur = (page) => page.evaluate(() => document.activeElement?.blur());
const answer = async (page) => {
    for (const name of ['Check3', 'Check14', 'Check8', 'Check12']) await press(page, `#Form1-${name} input`);
    await blur(page);
};

const chromium = await launchEngine('chromium');
for (const scale of [1, 2]) {
    const suffix = scale === 1 ? '' : `@${scale}x`;
    const page = await chromium.open(url, { width: 1280, height: 800, scale });
    await settled(page);
    const shot = async (selector, name) => page.screenshot(`${docs}/web-${name}${suffix}.png`, await boxOf(page, selector));
    await shot('#Form1', 'questionnaire');
    await answer(page);
    await shot('#Form1', 'questionnaire-answered');
    await press(page, '#Form1-Command1');
    const program = await waitFor(() => page.evaluate(() =>
        document.querySelector('.window.front:not(#Form1)')?.id), 'the program');
    await blur(page);
    await shot(`#${program}`, 'program');
    await press(page, `#${program} .close`);
    await press(page, '#Form1-Command2');
    await press(page, '#Form1-Command1');
    await waitFor(() => page.evaluate(() => !!document.querySelector('#Form4:not([hidden])')), 'the notice');
    await shot('#Form4', 'notice');
    await page.close();
}
await chromium.close();

// A phone as each engine shows it (WebKit's MiniBrowser goes no narrower than 447 px).
const desk = (page, top) => page.evaluate((y) => document.getElementById('desk').scrollTo(0, y), top);
for (const name of ['chromium', 'firefox', 'webkit']) {
    const engine = await launchEngine(name);
    if (name !== 'chromium') {
        const page = await engine.open(url, { width: 1280, height: 800 });
        await settled(page);
        await answer(page);
        await page.screenshot(`${docs}/web-${name}.png`, await boxOf(page, '#Form1'));
        await page.close();
    }
    const phone = await engine.open(url, { width: name === 'webkit' ? 447 : 360, height: 740,
        scale: name === 'chromium' ? 2 : 1, touch: name === 'chromium' });
    const shot = (what) => phone.screenshot(`${docs}/web-phone-${name}-${what}.png`);
    await settled(phone);
    await answer(phone);
    await desk(phone, 0);
    await shot('questionnaire');
    await press(phone, '#Form1-Command1');
    const program = await waitFor(() => phone.evaluate(() =>
        document.querySelector('.window.front:not(#Form1)')?.id), 'the program');
    await blur(phone);
    await shot('program');
    await press(phone, `#${program} .close`);
    await press(phone, '#Form1-Command2');
    await press(phone, '#Form1-Command1');
    await waitFor(() => phone.evaluate(() => !!document.querySelector('#Form4:not([hidden])')), 'the notice');
    await blur(phone);
    await shot('notice');
    await engine.close();
}
