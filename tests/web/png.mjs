// SPDX-License-Identifier: MIT
// Reads the PNG files the desktop's snapshot tool writes: 8-bit RGB or RGBA,
// not interlaced, as R, G, B, A bytes row after row. Enough to hold the
// page's pixels against the desktop's; anything else is refused.
import {inflateSync} from 'node:zlib';

const kSignature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

function Paeth(a, b, c) {
    const p = a + b - c;
    const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the filter of each row in place; `bpp` bytes a pixel.
function Unfilter(data, width, height, bpp) {
    const stride = width * bpp;
    const rows = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = data[y * (stride + 1)];
        const line = data.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        const out = rows.subarray(y * stride, (y + 1) * stride);
        const up = y > 0 ? rows.subarray((y - 1) * stride, y * stride) : Buffer.alloc(stride);
        for (let x = 0; x < stride; ++x) {
            const left = x >= bpp ? out[x - bpp] : 0;
            const upLeft = x >= bpp ? up[x - bpp] : 0;
            const predictor =
                [0, left, up[x], (left + up[x]) >> 1, Paeth(left, up[x], upLeft)][filter];
            if (predictor === undefined)
                throw new Error(`PNG row filter ${filter}`);
            out[x] = (line[x] + predictor) & 0xff;
        }
    }
    return rows;
}

export function DecodePng(file) {
    if (!file.subarray(0, 8).equals(kSignature))
        throw new Error('not a PNG file');
    let header = null;
    const data = [];
    for (let at = 8; at < file.length;) {
        const length = file.readUInt32BE(at);
        const type = file.toString('latin1', at + 4, at + 8);
        const body = file.subarray(at + 8, at + 8 + length);
        if (type === 'IHDR')
            header = {
                width: body.readUInt32BE(0),
                height: body.readUInt32BE(4),
                depth: body[8],
                colour: body[9],
                interlace: body[12]
            };
        else if (type === 'IDAT')
            data.push(body);
        at += 12 + length;
    }
    if (!header || header.depth !== 8 || header.interlace !== 0 || ![2, 6].includes(header.colour))
        throw new Error('only 8-bit RGB or RGBA PNG files without interlace are read');
    const bpp = header.colour === 6 ? 4 : 3;
    const rows = Unfilter(inflateSync(Buffer.concat(data)), header.width, header.height, bpp);
    const rgba = Buffer.alloc(header.width * header.height * 4);
    for (let i = 0, j = 0; i < rgba.length; i += 4, j += bpp) {
        rgba[i] = rows[j];
        rgba[i + 1] = rows[j + 1];
        rgba[i + 2] = rows[j + 2];
        rgba[i + 3] = bpp === 4 ? rows[j + 3] : 0xff;
    }
    return {width: header.width, height: header.height, rgba};
}
