// Screenshots of trimvale.html in Debian's Chromium for docs/: the questionnaire,
// answered, a program window and the notice, at scale 1 and 2 (high-DPI).
//
//     node screenshots.mjs TRIMVALE.html DOCS_DIR
import { resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, docs] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium' });
for (const scale of [1, 2]) {
    const suffix = scale === 1 ? '' : `@${scale}x`;
    const page = await browser.newPage({ viewport: { width: 1280, height: 800 }, deviceScaleFactor: scale });
    await page.goto(pathToFileURL(resolve(pagePath)).href);
    const questionnaire = page.locator('#Form1');
    await questionnaire.and(page.locator(':not(.prerendered)')).waitFor();
    await page.evaluate(() => document.fonts.ready);
    const shot = (locator, name) => locator.screenshot({ path: `${docs}/web-${name}${suffix}.png` });
    await page.locator('#Form1-Check1 input').focus();
    await page.evaluate(() => document.activeElement.blur());
    await shot(questionnaire, 'questionnaire');
    for (const name of ['Check3', 'Check14', 'Check8', 'Check12'])
        await page.locator(`#Form1-${name} input`).click();
    await page.evaluate(() => document.activeElement.blur());
    await shot(questionnaire, 'questionnaire-answered');
    await page.getByRole('button', { name: 'get individual program' }).click();
    const program = page.locator('.window.front');
    await program.waitFor();
    await page.evaluate(() => document.activeElement.blur());
    await shot(program, 'program');
    await program.getByRole('button', { name: 'Close' }).click();
    await page.getByRole('button', { name: 'Clear Forms' }).click();
    await page.getByRole('button', { name: 'get individual program' }).click();
    await shot(page.locator('#Form4'), 'notice');
    await page.close();
}
await browser.close();
